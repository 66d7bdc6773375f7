#pragma once

#include <QChartView>

class QChart;
class QLineSeries;

// The comparison chart of the digest tab. Everything that knows Qt Charts stays in this class, so
// the chart library can be exchanged without touching the window.
class MonitoringChart : public QChartView
{
    Q_OBJECT

public:
    explicit MonitoringChart(QWidget *parent = nullptr);

    QString title() const;

private:
    QChart *chart_;
    // The first counter is drawn in red, the second, scaled by the ratio, in green.
    QLineSeries *series1_;
    QLineSeries *series2_;
};
