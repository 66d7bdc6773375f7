#include "ChartCaption.h"

#include "ChartResult.h"
#include "common/NumberText.h"

#include <optional>

namespace {

struct Span
{
    QDateTime from;
    QDateTime to;
};

std::optional<Span> timesBetween(const ChartResult &result, const QDateTime &viewFrom, const QDateTime &viewTo)
{
    std::optional<Span> span;
    for (const QList<ChartPoint> *line : { &result.series1, &result.series2 }) {
        for (const ChartPoint &point : *line) {
            if (point.time < viewFrom || point.time > viewTo)
                continue;
            if (!span)
                span = Span { point.time, point.time };
            span->from = std::min(span->from, point.time);
            span->to = std::max(span->to, point.time);
        }
    }
    return span;
}

QString timesText(const Span &span, const QString &format)
{
    const QString from = span.from.toString(format);
    if (span.from == span.to)
        return QStringLiteral("Time: ") % from;
    return QStringLiteral("Time: ") % from % QStringLiteral(" to ") % span.to.toString(format);
}

} // namespace

ChartCaption ChartCaption::of(const ChartResult &result, const QDateTime &viewFrom, const QDateTime &viewTo)
{
    ChartCaption caption;
    if (!result.drawn)
        return caption;
    if (!result.counterName1.isEmpty())
        caption.line1 = QStringLiteral("Y Ax.1: ") % result.counterName1;
    if (!result.counterName2.isEmpty()) {
        caption.line2 = QStringLiteral("Y Ax.2: ") % result.counterName2 %
            QStringLiteral(", multiplied by the ratio ") % NumberText::general(result.ratio);
    }
    if (viewFrom.isValid() && viewTo.isValid())
        caption.times =
            timesText(timesBetween(result, viewFrom, viewTo).value_or(Span { viewFrom, viewTo }), result.labelFormat);
    return caption;
}
