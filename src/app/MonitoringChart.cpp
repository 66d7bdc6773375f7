#include "MonitoringChart.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>

namespace {

QLineSeries *lineSeries(const QString &name, const QColor &colour)
{
    auto *series = new QLineSeries;
    series->setName(name);
    series->setPen(QPen(colour, 1.5));
    series->setPointLabelsVisible(false);
    return series;
}

} // namespace

MonitoringChart::MonitoringChart(QWidget *parent) :
    QChartView(parent),
    chart_(new QChart),
    series1_(lineSeries(QStringLiteral("Series1"), QColor(255, 0, 0))),
    series2_(lineSeries(QStringLiteral("Series2"), QColor(0, 128, 0)))
{
    setObjectName(QStringLiteral("chrtMonitoring"));
    chart_->setTitle(QStringLiteral("Sysmon Comparison Graph"));
    chart_->legend()->hide();
    chart_->addSeries(series1_);
    chart_->addSeries(series2_);
    setChart(chart_); // the view owns the chart from here on
    setRenderHint(QPainter::Antialiasing);
}

QString MonitoringChart::title() const
{
    return chart_->title();
}
