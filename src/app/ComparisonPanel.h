#pragma once

#include <QWidget>

class BusyGuard;
class ComparisonSortModel;
class GridTable;
class QLabel;
class QPushButton;
class QTableView;

// Tab 3, "Compa&re Periods" (`paCompare`): how much each counter moved between the baseline and the
// comparison chosen in the digest table. The user sorts the table by any column's header, exports it
// and charts a counter of it; the commands hear the buttons and the double click through the
// signals.
class ComparisonPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ComparisonPanel(GridTable &comparison, QWidget *parent = nullptr);

    // What was compared with what, above the table.
    void showPeriods(const QString &text);
    // The export opens a dialog and the chart reads the digest table: both wait while a parse or a
    // digest runs.
    void refuseWhileBusy(BusyGuard &busy);
    // The counter name of the row the user picked; empty when no row is picked.
    QString currentCounterName() const;
    // The comparison's own order again, most moved first, with the first row picked.
    void showMostMovedFirst();

signals:
    void exportRequested(); // "E&xport Comparison to CSV File"
    void chartRequested(); // "&Chart Counter", or a double click on a row

private:
    QWidget *buildTop();
    QTableView *buildTable(GridTable &comparison);

    QPushButton *btExportComparison;
    QPushButton *btChartCounter;
    QLabel *lbPeriods;
    QTableView *sgPeriodComparison;
    ComparisonSortModel *sortModel_;
};
