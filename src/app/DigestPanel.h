#pragma once

#include <QWidget>

class BusyGuard;
class ChartPanel;
class ProblemsPanel;
class GridTable;
class GridView;
class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QSplitter;

// Tab 2, "Digest Sysmon Counters" (`paDigest`): the digest run and its table, with the chart area
// below it behind the splitter `spSplit`. A second bar under the described one holds what narrows
// or widens a digest (the time window "From" and "To", "&Statistics") and the button that opens the
// report problems of the last run under the table. The controls are the panel's own: commands read
// what they need through it and hear its buttons through the signals.
class DigestPanel : public QWidget
{
    Q_OBJECT

public:
    // `problems`: the report problems of the last run, laid out as ProblemList says.
    DigestPanel(GridTable &digest, GridTable &problems, QWidget *parent = nullptr);

    // The chart area below the digest table.
    ChartPanel &chartPanel() const { return *paBottom; }

    // The delimiter as typed; both exports write it after every cell.
    QString delimiterText() const;
    bool appendTicked() const; // "A&ppend"
    bool timeOnlyTicked() const; // "Ti&me Only"
    bool swapAxesTicked() const; // "S&wap Axes"
    bool statisticsTicked() const; // "&Statistics"
    // The time window's bounds as typed ("&From:", "T&o:").
    QString fromText() const;
    QString toText() const;

    // The problem count on the button that opens the problems list: it shows at a glance after a
    // run, and stands out while there are problems.
    void showProblemCount(int count);
    // Brings the digest table forward with the current cell in view.
    void focusDigestTable();

    // Pops up `menPop` at `globalPosition` with its one item, "Delete Column", captioned `caption`.
    void popupDeleteColumn(const QString &caption, const QPoint &globalPosition);

    // Squeezes the chart area to one pixel so the digest table fills the panel; the user drags the
    // splitter up to open the chart.
    void collapseChart();
    // Gives the chart area half the panel, for a chart the user asked for from elsewhere.
    void openChart();

    // The digest table's columns that the selection touches, left to right.
    QList<int> selectedColumns() const;

    // A digest run, and Show File, would replace the report text under a parse, so both are
    // refused while the window is busy.
    void refuseWhileBusy(BusyGuard &busy);
    // A digest reads its check boxes once and writes the table: while it runs the boxes keep their
    // ticks and the table's rows and columns stay where they are.
    void refuseWhileDigesting(BusyGuard &digestBusy);

signals:
    void showReportRequested(); // "Sho&w File"
    void digestRequested(); // "St&art Parsing of Sysmon Files"
    void exportRequested(); // "&Export Data to CSV File"
    void deleteColumnRequested(); // the popup's "Delete Column"
    void statisticsToggled(bool ticked); // "&Statistics"
    // A problem of the problems list was chosen: `row` of the problems table.
    void problemChosen(int row);
    void baselineRequested(); // "Mark &Baseline"
    void compareRequested(); // "&Compare"

    // The digest table's events. Key and mouse presses come before the grid moves its current
    // cell, releases after.
    void digestKeyPressed(int key);
    void digestKeyReleased();
    void digestMousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &globalPosition);
    void digestMouseReleased();
    void digestMouseEntered();

private:
    QWidget *buildTop();
    QWidget *buildOptions();
    QWidget *buildCompareBar();
    QWidget *buildClient(GridTable &digest, GridTable &problems);
    void announceControls();
    void showProblemsList(bool shown);

    QPushButton *btDigest;
    QCheckBox *cbTimeOnly;
    QCheckBox *cbAppend;
    QPushButton *btShowSysmon;
    QPushButton *btExport;
    QCheckBox *cbSwapAxes;
    QLineEdit *edDelimiter;
    QPushButton *btBaseline;
    QPushButton *btCompare;

    QLineEdit *edFrom;
    QLineEdit *edTo;
    QCheckBox *cbStatistics;
    QPushButton *btProblems;

    QSplitter *spSplit;
    QSplitter *splProblems;
    GridView *sgSysmonDigest;
    ProblemsPanel *paProblems;
    QMenu *menPop;
    QAction *miDelCol;

    ChartPanel *paBottom;
};
