#pragma once

#include <QWidget>

class GridTable;
class GridView;
class MonitoringChart;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSplitter;

// Tab 2, "Digest Sysmon Counters" (`paDigest`): the digest run and its table, with the chart area
// below it behind the splitter `spSplit`.
class DigestPanel : public QWidget
{
    Q_OBJECT

public:
    explicit DigestPanel(GridTable &digest, QWidget *parent = nullptr);

    // Squeezes the chart area to one pixel so the digest table fills the panel; the user drags the
    // splitter up to open the chart.
    void collapseChart();

    QPushButton *btDigest;
    QCheckBox *cbTimeOnly;
    QCheckBox *cbAppend;
    QPushButton *btShowSysmon;
    QPushButton *btExport;
    QCheckBox *cbSwapAxes;
    QLabel *lbDelimit;
    QLineEdit *edDelimiter;

    QSplitter *spSplit;
    GridView *sgSysmonDigest;
    QMenu *menPop;
    QAction *miDelCol;

    QWidget *paBottom;
    MonitoringChart *chrtMonitoring;
    QPushButton *btSetGraph;
    QLabel *lbValueAxis;
    QComboBox *cbValueAxis;
    QLabel *lbValueAxis2;
    QComboBox *cbValueAxis2;
    QLabel *lbRatio;
    QLineEdit *edRatio;
    QCheckBox *cbSetRatio;

private:
    QWidget *buildTop();
    QWidget *buildClient(GridTable &digest);
    QWidget *buildBottom();
    QWidget *buildGraphControls();
};
