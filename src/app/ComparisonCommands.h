#pragma once

#include "common/TextEncoding.h"

#include <QObject>

#include <functional>

class ChartCommands;
class ComparisonPanel;
class DigestPanel;
class GridTable;
class Ui;

// The period comparison's commands: marking the baseline among the digest table's report columns,
// comparing other report columns with it, exporting the comparison and charting one of its
// counters on the digest tab.
class ComparisonCommands : public QObject
{
    Q_OBJECT

public:
    // The window's tables, fields and tabs the commands work on; they outlive the commands.
    struct Workspace
    {
        GridTable &sgSysmonDigest;
        GridTable &sgPeriodComparison;
        Ui &ui;
        // The export writes in the encoding the last counter set file was found in, as the digest
        // export does.
        const TextEncoding &counterFileEncoding;
        std::function<void()> showDigestTab;
        std::function<void()> showComparisonTab;
    };

    // Connects the handlers to the two panels' requests.
    ComparisonCommands(const Workspace &workspace, DigestPanel &digestPanel, ComparisonPanel &comparisonPanel,
                       ChartCommands &chartCommands, QObject *parent);

    void btBaselineClick();
    void btCompareClick();
    void btExportComparisonClick();
    void btChartCounterClick();

private:
    void showBaselineMarks();

    Workspace work_;
    DigestPanel &digestPanel_;
    ComparisonPanel &comparisonPanel_;
    ChartCommands &chartCommands_;
};
