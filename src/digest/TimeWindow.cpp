#include "TimeWindow.h"

#include "chart/SampleTimeConversion.h"
#include "common/Failure.h"
#include "common/TextRules.h"

namespace {

enum class Edge { Start, End };

const QString dateFormat = QStringLiteral("yyyy-MM-dd");
const QString timeFormat = QStringLiteral("hh:mm:ss");

QString shown(const QDateTime &bound)
{
    return bound.toString(dateFormat % u' ' % timeFormat);
}

// A date alone starts its day at From and ends it at To.
std::optional<QDateTime> boundOf(QStringView typed, Edge edge)
{
    const QString text = TextRules::trimmed(typed);
    if (text.isEmpty())
        return std::nullopt;
    const qsizetype space = text.indexOf(u' ');
    const QDate date = QDate::fromString(space < 0 ? text : text.left(space), dateFormat);
    QTime time = edge == Edge::Start ? QTime(0, 0) : QTime(23, 59, 59);
    if (space >= 0)
        time = QTime::fromString(TextRules::trimmed(QStringView(text).mid(space)), timeFormat);
    if (!date.isValid() || !time.isValid())
        throw Failure(u'"' % text %
                      QStringLiteral("\" is not a date and time: write \"yyyy-MM-dd hh:mm:ss\" or "
                                     "\"yyyy-MM-dd\"."));
    return QDateTime(date, time, Qt::UTC);
}

} // namespace

TimeWindow TimeWindow::fromTexts(QStringView from, QStringView to)
{
    TimeWindow window;
    window.from_ = boundOf(from, Edge::Start);
    window.to_ = boundOf(to, Edge::End);
    if (window.from_ && window.to_ && *window.to_ < *window.from_)
        throw Failure(QStringLiteral("The time window ends before it starts: from ") % shown(*window.from_) %
                      QStringLiteral(" to ") % shown(*window.to_) % u'.');
    return window;
}

std::optional<QString> TimeWindow::exclusionOf(const QString &samplingStart) const
{
    if (!bounded())
        return std::nullopt;
    if (TextRules::isBlankText(samplingStart))
        return QStringLiteral("the report names no sampling start");
    QDateTime start;
    try {
        start = SampleTimeConversion::toDateTime(samplingStart, false);
    } catch (const Failure &) {
        return QStringLiteral("the sampling start does not read as a date and time: ") % samplingStart;
    }
    if (from_ && start < *from_)
        return QStringLiteral("sampling started ") % shown(start) % QStringLiteral(" before From ") % shown(*from_);
    if (to_ && start > *to_)
        return QStringLiteral("sampling started ") % shown(start) % QStringLiteral(" after To ") % shown(*to_);
    return std::nullopt;
}
