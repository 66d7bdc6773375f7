#include "ChartLines.h"

#include "common/NumberText.h"

namespace ChartLines {

namespace {

void appendPoints(QStringList &lines, const QString &line, const QList<ChartPoint> &points, const QString &timeFormat,
                  const QString &delimiter)
{
    for (const ChartPoint &point : points)
        lines << line % delimiter % point.time.toString(timeFormat) % delimiter % NumberText::general(point.value);
}

} // namespace

QStringList of(const ChartInput &input, const ChartResult &result, const QString &delimiter)
{
    const QString timeFormat = input.timeOnly ? QStringLiteral("hh:mm:ss") : QStringLiteral("yyyy-MM-dd hh:mm:ss");
    QStringList lines;
    lines.reserve(1 + result.series1.size() + result.series2.size());
    lines << QStringLiteral("Ratio") % delimiter % result.ratioText.value_or(input.ratioText);
    appendPoints(lines, QStringLiteral("1"), result.series1, timeFormat, delimiter);
    appendPoints(lines, QStringLiteral("2"), result.series2, timeFormat, delimiter);
    return lines;
}

} // namespace ChartLines
