#include "DigestPanel.h"

#include "BusyGuard.h"
#include "Controls.h"
#include "GridView.h"
#include "MonitoringChart.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>

using namespace Qt::StringLiterals;

namespace {

constexpr int chartHeight = 154;
constexpr int collapsedChartHeight = 1;

} // namespace

DigestPanel::DigestPanel(GridTable &digest, QWidget *parent) : QWidget(parent)
{
    setObjectName(u"paDigest"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTop());

    spSplit = Controls::splitter(u"spSplit"_s, u"green"_s, this);
    spSplit->addWidget(buildClient(digest));
    spSplit->addWidget(buildBottom());
    spSplit->setStretchFactor(0, 1);
    spSplit->setStretchFactor(1, 0);
    spSplit->setSizes({ 10 * chartHeight, chartHeight });
    layout->addWidget(spSplit, 1);
    connect(btShowSysmon, &QPushButton::clicked, this, &DigestPanel::showReportRequested);
}

QString DigestPanel::delimiterText() const
{
    return edDelimiter->text();
}

void DigestPanel::refuseWhileBusy(BusyGuard &busy)
{
    busy.refuse(btShowSysmon);
    busy.refuse(btDigest);
}

QWidget *DigestPanel::buildTop()
{
    QWidget *bar = Controls::bar(u"paTop"_s, this);
    btDigest = Controls::button(u"btDigest"_s, u"St&art Parsing of Sysmon Files"_s, bar);
    cbTimeOnly = Controls::checkBox(u"cbTimeOnly"_s, u"Ti&me Only"_s, true, bar);
    cbAppend = Controls::checkBox(u"cbAppend"_s, u"A&ppend"_s, false, bar);
    btShowSysmon = Controls::button(u"btShowSysmon"_s, u"Sho&w File"_s, bar);
    btExport = Controls::button(u"btExport"_s, u"&Export Data to CSV File"_s, bar);
    cbSwapAxes = Controls::checkBox(u"cbSwapAxes"_s, u"S&wap Axes"_s, false, bar);
    Controls::label(u"lbDelimit"_s, u"Delimiter:"_s, bar);
    edDelimiter = Controls::lineEdit(u"edDelimiter"_s, u","_s, bar);
    edDelimiter->setFixedWidth(40);
    Controls::barLayout(bar)->addStretch(1);
    return bar;
}

QWidget *DigestPanel::buildClient(GridTable &digest)
{
    GridView::Options options;
    options.columnWidths = { GridView::gutterWidth, 256, 64, 64 };
    options.defaultColumnWidth = 64;
    options.rowHeight = 24;
    options.gutter = true;
    options.movableRows = true;
    options.movableColumns = true;
    sgSysmonDigest = new GridView(digest, u"sgSysmonDigest"_s, options);

    menPop = new QMenu(sgSysmonDigest);
    menPop->setObjectName(u"menPop"_s);
    miDelCol = menPop->addAction(u"Delete Column"_s);
    miDelCol->setObjectName(u"miDelCol"_s);
    return Controls::area(u"paClient"_s, sgSysmonDigest);
}

QWidget *DigestPanel::buildBottom()
{
    auto *paBottom = new QWidget;
    paBottom->setObjectName(u"paBottom"_s);
    // The chart area may shrink to a sliver whatever its controls would like.
    paBottom->setMinimumHeight(collapsedChartHeight);
    auto *layout = new QVBoxLayout(paBottom);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    chrtMonitoring = new MonitoringChart(paBottom);
    chrtMonitoring->setMinimumHeight(0);
    layout->addWidget(chrtMonitoring, 1);
    layout->addWidget(buildGraphControls(paBottom));
    return paBottom;
}

QWidget *DigestPanel::buildGraphControls(QWidget *parent)
{
    QWidget *bar = Controls::bar(u"paGraphControls"_s, parent);
    btSetGraph = Controls::button(u"btSetGraph"_s, u"&Display"_s, bar);
    Controls::label(u"lbValueAxis"_s, u"Y Ax.1"_s, bar);
    cbValueAxis = Controls::comboBox(u"cbValueAxis"_s, u"cbValueAxis"_s, bar);
    Controls::label(u"lbValueAxis2"_s, u"Y Ax.2"_s, bar);
    cbValueAxis2 = Controls::comboBox(u"cbValueAxis2"_s, u"cbValueAxis"_s, bar);
    Controls::label(u"lbRatio"_s, u"Ratio:"_s, bar);
    edRatio = Controls::lineEdit(u"edRatio"_s, u"1"_s, bar);
    edRatio->setFixedWidth(60);
    cbSetRatio = Controls::checkBox(u"cbSetRatio"_s, u"Set Ratio"_s, true, bar);
    QBoxLayout *layout = Controls::barLayout(bar);
    layout->setStretchFactor(cbValueAxis, 1);
    layout->setStretchFactor(cbValueAxis2, 1);
    return bar;
}

void DigestPanel::collapseChart()
{
    const QList<int> sizes = spSplit->sizes();
    int total = 0;
    for (int size : sizes)
        total += size;
    // Before the panel was ever laid out the sizes are unknown; any large height serves, since the
    // splitter scales the sizes to its own height.
    if (total <= collapsedChartHeight)
        total = 10 * chartHeight;
    spSplit->setSizes({ total - collapsedChartHeight, collapsedChartHeight });
}
