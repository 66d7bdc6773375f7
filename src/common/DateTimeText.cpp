#include "DateTimeText.h"

#include "TextRules.h"

#include <QList>

namespace DateTimeText {

namespace {

// Splits at `separator` into numeric fields of 1 to `maxDigits` digits each.
std::optional<QList<int>> numericFields(QStringView text, char16_t separator, int maxDigits)
{
    QList<int> fields;
    for (QStringView part : text.split(separator)) {
        if (part.isEmpty() || part.size() > maxDigits)
            return std::nullopt;
        int value = 0;
        for (QChar c : part) {
            if (!c.isDigit() || c.unicode() > u'9')
                return std::nullopt;
            value = value * 10 + (c.unicode() - u'0');
        }
        fields.append(value);
    }
    return fields;
}

std::optional<QDate> readDate(QStringView text)
{
    const auto f = numericFields(text, u'/', 4);
    if (!f || f->size() != 3)
        return std::nullopt;
    int year = f->at(2);
    if (text.split(u'/').last().size() <= 2)
        year += 2000;
    const QDate date(year, f->at(1), f->at(0));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QTime> readTime(QStringView text)
{
    const auto f = numericFields(text, u':', 2);
    if (!f || f->size() < 2 || f->size() > 3)
        return std::nullopt;
    const QTime time(f->at(0), f->at(1), f->size() == 3 ? f->at(2) : 0);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

} // namespace

std::optional<QDateTime> read(QStringView text, Qt::TimeSpec timeSpec)
{
    const QString t = TextRules::trimmed(text);
    const QStringView view(t);
    if (!view.contains(u'/')) {
        const auto time = readTime(view);
        if (!time)
            return std::nullopt;
        return QDateTime(QDate(1899, 12, 30), *time, timeSpec);
    }
    const qsizetype space = view.indexOf(u' ');
    const auto date = readDate(space < 0 ? view : view.left(space));
    if (!date)
        return std::nullopt;
    if (space < 0)
        return QDateTime(*date, QTime(0, 0), timeSpec);
    const auto time = readTime(TextRules::trimmed(view.mid(space)));
    if (!time)
        return std::nullopt;
    return QDateTime(*date, *time, timeSpec);
}

QString write(const QDateTime &dateTime)
{
    return dateTime.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}

} // namespace DateTimeText
