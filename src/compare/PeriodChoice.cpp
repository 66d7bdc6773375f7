#include "PeriodChoice.h"

#include "ReportColumns.h"
#include "common/TextRules.h"
#include "common/Ui.h"
#include "digest/DigestTableLayout.h"
#include "grid/GridTable.h"

namespace PeriodChoice {

namespace {

bool isBaseline(const GridTable &digest, int column)
{
    return digest.columnNote(column, baselineNote).toBool();
}

QList<int> outsideBaseline(const GridTable &digest, const QList<int> &columns)
{
    QList<int> others;
    for (int column : columns) {
        if (!isBaseline(digest, column))
            others << column;
    }
    return others;
}

QString reportCount(qsizetype count)
{
    return QString::number(count) % (count == 1 ? QStringLiteral(" report") : QStringLiteral(" reports"));
}

// When a report column's report was sampled: its whole sampling start as the digest run noted it,
// or else its sample time, which may be the time of day only.
QString samplingStart(const GridTable &digest, int column)
{
    const QString noted = digest.columnNote(column, DigestTableLayout::SamplingStart).toString();
    return TextRules::trimmed(noted.isEmpty() ? digest.cell(column, 0) : noted);
}

// "12 reports, Jan 14, 2025 00:00:00 to Jan 14, 2025 05:30:00": when its first and its last report
// were sampled, as far as they say.
QString periodText(const GridTable &digest, const QList<int> &columns)
{
    QString text = reportCount(columns.size());
    const QString first = samplingStart(digest, columns.first());
    const QString last = samplingStart(digest, columns.last());
    if (columns.size() == 1 || first == last)
        return first.isEmpty() ? text : text % QStringLiteral(", ") % first;
    if (!first.isEmpty() && !last.isEmpty())
        text += QStringLiteral(", ") % first % QStringLiteral(" to ") % last;
    return text;
}

} // namespace

bool markBaseline(GridTable &digest, const QList<int> &selected, Ui &ui)
{
    const QList<int> chosen = ReportColumns::among(digest, selected);
    if (chosen.isEmpty()) {
        ui.info(QStringLiteral("Please select the report columns of the baseline first."));
        return false;
    }
    GridTable::BulkUpdate batch(digest);
    for (int column : ReportColumns::all(digest))
        digest.setColumnNote(column, baselineNote, chosen.contains(column) ? QVariant(true) : QVariant());
    ui.setStatus(StatusPanel::Messages, QStringLiteral("Baseline: ") % periodText(digest, chosen) % u'.');
    return true;
}

QList<int> baseline(const GridTable &digest)
{
    QList<int> marked;
    for (int column : ReportColumns::all(digest)) {
        if (isBaseline(digest, column))
            marked << column;
    }
    return marked;
}

std::optional<PeriodComparison::Periods> periods(const GridTable &digest, const QList<int> &selected, Ui &ui)
{
    PeriodComparison::Periods chosen { .baseline = baseline(digest), .comparison = {} };
    if (chosen.baseline.isEmpty()) {
        ui.info(QStringLiteral("Please mark the baseline first: select its report columns and press \"Mark "
                               "Baseline\"."));
        return std::nullopt;
    }
    chosen.comparison = outsideBaseline(digest, ReportColumns::among(digest, selected));
    if (chosen.comparison.isEmpty())
        chosen.comparison = outsideBaseline(digest, ReportColumns::all(digest));
    if (chosen.comparison.isEmpty()) {
        ui.info(QStringLiteral("Every report is in the baseline: please mark fewer reports as the baseline."));
        return std::nullopt;
    }
    return chosen;
}

QString describe(const GridTable &digest, const PeriodComparison::Periods &periods)
{
    return QStringLiteral("Baseline: ") % periodText(digest, periods.baseline) % QStringLiteral(". Comparison: ") %
        periodText(digest, periods.comparison) % u'.';
}

} // namespace PeriodChoice
