#include "PeriodChoice.h"

#include "ReportColumns.h"
#include "common/TextRules.h"
#include "common/Ui.h"
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

// "12 reports, 00:00:00 to 05:30:00": the sample times of its first and last column, as far as
// they have one.
QString periodText(const GridTable &digest, const QList<int> &columns)
{
    QString text = reportCount(columns.size());
    const QString first = TextRules::trimmed(digest.cell(columns.first(), 0));
    const QString last = TextRules::trimmed(digest.cell(columns.last(), 0));
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
