#pragma once

#include <QWidget>

class BusyGuard;
class GridTable;
class GridView;
class MonitoringChart;
class QAction;
class QCheckBox;
class QComboBox;
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

    // The delimiter as typed; both exports write it after every cell.
    QString delimiterText() const;

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
    QWidget *buildBottom();
    QWidget *buildGraphControls(QWidget *parent);

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

    MonitoringChart *chrtMonitoring;
    QPushButton *btSetGraph;
    QComboBox *cbValueAxis;
    QComboBox *cbValueAxis2;
    QLineEdit *edRatio;
    QCheckBox *cbSetRatio;
};
