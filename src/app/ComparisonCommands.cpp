#include "ComparisonCommands.h"

#include "ChartCommands.h"
#include "ChartPanel.h"
#include "ComparisonPanel.h"
#include "DigestPanel.h"

#include "common/CommandGuard.h"
#include "common/TextFile.h"
#include "common/Ui.h"
#include "compare/PeriodChoice.h"
#include "compare/PeriodComparison.h"
#include "compare/ReportColumns.h"
#include "grid/GridTable.h"

#include <QBrush>
#include <QFont>

using namespace Qt::StringLiterals;

namespace {

// The baseline's column headers stand out in the digest table.
const QColor baselineHeaderColour(190, 215, 250);

} // namespace

ComparisonCommands::ComparisonCommands(const Workspace &workspace, DigestPanel &digestPanel,
                                       ComparisonPanel &comparisonPanel, ChartCommands &chartCommands,
                                       QObject *parent) :
    QObject(parent),
    work_(workspace),
    digestPanel_(digestPanel),
    comparisonPanel_(comparisonPanel),
    chartCommands_(chartCommands)
{
    connect(&digestPanel, &DigestPanel::baselineRequested, this, &ComparisonCommands::btBaselineClick);
    connect(&digestPanel, &DigestPanel::compareRequested, this, &ComparisonCommands::btCompareClick);
    connect(&comparisonPanel, &ComparisonPanel::exportRequested, this, &ComparisonCommands::btExportComparisonClick);
    connect(&comparisonPanel, &ComparisonPanel::chartRequested, this, &ComparisonCommands::btChartCounterClick);
}

void ComparisonCommands::btBaselineClick()
{
    CommandGuard::run(work_.ui, u"btBaselineClick"_s, [this] {
        if (PeriodChoice::markBaseline(work_.sgSysmonDigest, digestPanel_.selectedColumns(), work_.ui))
            showBaselineMarks();
    });
}

void ComparisonCommands::showBaselineMarks()
{
    GridTable &digest = work_.sgSysmonDigest;
    const QList<int> baseline = PeriodChoice::baseline(digest);
    QFont bold;
    bold.setBold(true);
    GridTable::BulkUpdate batch(digest);
    for (int column : ReportColumns::all(digest)) {
        const bool marked = baseline.contains(column);
        digest.setColumnNote(column, Qt::BackgroundRole, marked ? QVariant(QBrush(baselineHeaderColour)) : QVariant());
        digest.setColumnNote(column, Qt::FontRole, marked ? QVariant(bold) : QVariant());
    }
}

void ComparisonCommands::btCompareClick()
{
    CommandGuard::run(work_.ui, u"btCompareClick"_s, [this] {
        const GridTable &digest = work_.sgSysmonDigest;
        const auto periods = PeriodChoice::periods(digest, digestPanel_.selectedColumns(), work_.ui);
        if (!periods)
            return;
        PeriodComparison::build(digest, *periods, work_.sgPeriodComparison);
        comparisonPanel_.showPeriods(PeriodChoice::describe(digest, *periods));
        comparisonPanel_.showMostMovedFirst();
        work_.showComparisonTab();
        work_.ui.setStatus(StatusPanel::Messages, u"Periods compared."_s);
    });
}

void ComparisonCommands::btExportComparisonClick()
{
    CommandGuard::run(work_.ui, u"btExportComparisonClick"_s, [this] {
        PeriodComparison::exportCsv(work_.sgPeriodComparison, digestPanel_.delimiterText(),
                                    TextFile::writeEncodingFor(work_.counterFileEncoding), work_.ui);
    });
}

// The counter becomes "Y Ax.1" of the chart on the digest tab, which opens to show it.
void ComparisonCommands::btChartCounterClick()
{
    CommandGuard::run(work_.ui, u"btChartCounterClick"_s, [this] {
        const QString counterName = comparisonPanel_.currentCounterName();
        if (counterName.isEmpty()) {
            work_.ui.info(u"Please pick a counter of the comparison first."_s);
            return;
        }
        digestPanel_.chartPanel().setValueAxisText(counterName);
        work_.showDigestTab();
        digestPanel_.openChart();
        chartCommands_.btSetGraphClick();
    });
}
