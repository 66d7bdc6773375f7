#pragma once

#include <QWidget>

class BusyGuard;
class ChartPanel;
class GridTable;
class GridView;
class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QSplitter;

// Tab 2, "Digest Sysmon Counters" (`paDigest`): the digest run and its table, with the chart area
// below it behind the splitter `spSplit`. The controls are the panel's own: commands read what they
// need through it and hear its buttons through the signals.
class DigestPanel : public QWidget
{
    Q_OBJECT

public:
    explicit DigestPanel(GridTable &digest, QWidget *parent = nullptr);

    // The chart area below the digest table.
    ChartPanel &chartPanel() const { return *paBottom; }

    // The delimiter as typed; both exports write it after every cell.
    QString delimiterText() const;
    // "Ti&me Only": the sample times are written, and read by the chart, as times of day.
    bool timeOnly() const;

    // Squeezes the chart area to one pixel so the digest table fills the panel; the user drags the
    // splitter up to open the chart.
    void collapseChart();

    // A digest run, and Show File, would replace the report text under a parse, so both are
    // refused while the window is busy.
    void refuseWhileBusy(BusyGuard &busy);

signals:
    void showReportRequested(); // "Sho&w File"

private:
    QWidget *buildTop();
    QWidget *buildClient(GridTable &digest);

    QPushButton *btDigest;
    QCheckBox *cbTimeOnly;
    QCheckBox *cbAppend;
    QPushButton *btShowSysmon;
    QPushButton *btExport;
    QCheckBox *cbSwapAxes;
    QLineEdit *edDelimiter;

    QSplitter *spSplit;
    GridView *sgSysmonDigest;
    QMenu *menPop;
    QAction *miDelCol;

    ChartPanel *paBottom;
};
