#include "ChartCommands.h"

#include "ChartPanel.h"
#include "DigestPanel.h"
#include "MonitoringChart.h"

#include "chart/ComparisonChart.h"
#include "common/CommandGuard.h"
#include "common/Failure.h"
#include "common/Ui.h"

#include <QImageWriter>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

QString cannotWrite(const QString &path, const QString &reason)
{
    return u"Cannot write the chart to '"_s % path % u"': "_s % reason;
}

// Written whole or not at all: a failed save leaves a picture already there as it was.
void writePng(const QPixmap &picture, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Failure(cannotWrite(path, file.errorString()));
    QImageWriter writer(&file, "png");
    if (!writer.write(picture.toImage()))
        throw Failure(cannotWrite(path, writer.errorString()));
    if (!file.commit())
        throw Failure(cannotWrite(path, file.errorString()));
}

} // namespace

ChartCommands::ChartCommands(const GridTable &sgSysmonDigest, Ui &ui, DigestPanel &digestPanel, QObject *parent) :
    QObject(parent), sgSysmonDigest_(sgSysmonDigest), ui_(ui), digestPanel_(digestPanel)
{
    ChartPanel &panel = digestPanel.chartPanel();
    connect(&panel, &ChartPanel::displayRequested, this, &ChartCommands::btSetGraphClick);
    connect(&panel.chart(), &MonitoringChart::saveRequested, this, &ChartCommands::miSaveChartClick);
}

void ChartCommands::btSetGraphClick()
{
    DisplayDataInChart();
}

// The chart reports its own failures in the status bar, never in a message box.
void ChartCommands::DisplayDataInChart()
{
    ChartPanel &panel = digestPanel_.chartPanel();
    const ChartInput input { .digest = sgSysmonDigest_,
                             .valueAxisText = panel.valueAxisText(),
                             .valueAxis2Text = panel.valueAxis2Text(),
                             .ratioText = panel.ratioText(),
                             .setRatio = panel.setRatio(),
                             .timeOnly = digestPanel_.timeOnlyTicked() };
    const ChartResult result = ComparisonChart::display(input);
    panel.chart().draw(result);
    if (result.ratioText)
        panel.setRatioText(*result.ratioText);
    if (result.status)
        ui_.setStatus(StatusPanel::Messages, *result.status);
}

void ChartCommands::miSaveChartClick()
{
    CommandGuard::run(ui_, u"SaveChart"_s, [this] {
        const QString path = ui_.saveFile(u"*.png"_s);
        if (path.isEmpty())
            return;
        writePng(digestPanel_.chartPanel().chart().picture(), path);
        ui_.setStatus(StatusPanel::Messages, u"Chart saved to "_s % path);
    });
}
