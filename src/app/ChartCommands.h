#pragma once

#include <QObject>

class DigestPanel;
class GridTable;
class Ui;

// The comparison chart's commands on the digest tab: "&Display", which draws one or two digest
// rows against the reports' sample times, and saving the chart as a picture from its context menu.
class ChartCommands : public QObject
{
    Q_OBJECT

public:
    // Connects the handlers to the chart area's requests; the digest table and `ui` outlive the
    // commands.
    ChartCommands(const GridTable &sgSysmonDigest, Ui &ui, DigestPanel &digestPanel, QObject *parent);

    void btSetGraphClick();
    void miSaveChartClick();

private:
    void DisplayDataInChart();

    const GridTable &sgSysmonDigest_;
    Ui &ui_;
    DigestPanel &digestPanel_;
};
