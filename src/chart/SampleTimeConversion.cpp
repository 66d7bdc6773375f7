#include "SampleTimeConversion.h"

#include "common/DateTimeText.h"
#include "common/Failure.h"
#include "common/TextRules.h"

#include <array>

namespace SampleTimeConversion {

namespace {

// 1 for "jan" up to 12 for "dec"; January for anything else.
int monthNumber(QStringView name)
{
    static const std::array<QStringView, 12> months = { u"jan", u"feb", u"mar", u"apr", u"may", u"jun",
                                                        u"jul", u"aug", u"sep", u"oct", u"nov", u"dec" };
    const QString lower = TextRules::asciiLower(name);
    for (std::size_t i = 0; i < months.size(); ++i) {
        if (lower == months[i])
            return int(i) + 1;
    }
    return 1;
}

QString quoted(const QString &text)
{
    return u'\'' % text % u'\'';
}

QDateTime timeOfDay(QStringView sampleTime)
{
    const QString time = TextRules::trimmed(sampleTime);
    // A date would read too, but then points of different days would not share one day.
    const auto read = time.contains(u'/') ? std::nullopt : DateTimeText::read(time, Qt::UTC);
    if (!read)
        throw Failure(quoted(time) % QStringLiteral(" is not a valid time"));
    return *read;
}

QDateTime dateAndTime(QStringView sampleTime)
{
    const QString text = dayFirstText(sampleTime);
    const auto read = DateTimeText::read(text, Qt::UTC);
    if (!read)
        throw Failure(quoted(text) % QStringLiteral(" is not a valid date and time"));
    return *read;
}

} // namespace

QString dayFirstText(QStringView sampleTime)
{
    using TextRules::piece;
    using TextRules::trimmed;
    const qsizetype comma = sampleTime.indexOf(u',') + 1; // 1-based; 0 when there is none
    const int month = monthNumber(TextRules::leftPiece(sampleTime, 3));
    const QStringView day = piece(sampleTime, comma - 3, 3);
    const QStringView year = piece(sampleTime, comma + 1, 5);
    const QStringView time = TextRules::rightPiece(sampleTime, 9);
    return trimmed(day) % u'/' % QString::number(month) % u'/' % trimmed(year) % u' ' % trimmed(time);
}

QDateTime toDateTime(QStringView sampleTime, bool timeOnly)
{
    return timeOnly ? timeOfDay(sampleTime) : dateAndTime(sampleTime);
}

} // namespace SampleTimeConversion
