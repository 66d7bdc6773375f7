#include "DigestPanel.h"

#include "BusyGuard.h"
#include "ChartPanel.h"
#include "Controls.h"
#include "GridView.h"

#include "digest/DigestTableLayout.h"
#include "grid/GridTable.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int chartHeight = 154;
constexpr int collapsedChartHeight = 1;

// A report column's header shows only the sample time, cut to a time of day while "Ti&me Only" is
// ticked: the tooltip tells which report the column holds and when its sampling started.
QString reportColumnToolTip(const GridTable &digest, int column)
{
    const QString path = digest.columnNote(column, DigestTableLayout::ReportPath).toString();
    if (path.isEmpty())
        return {};
    const QString start = digest.columnNote(column, DigestTableLayout::SamplingStart).toString();
    return path % u"\nSampling Started at: "_s % (start.isEmpty() ? u"not in the report"_s : start);
}

} // namespace

DigestPanel::DigestPanel(GridTable &digest, QWidget *parent) : QWidget(parent)
{
    setObjectName(u"paDigest"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTop());
    layout->addWidget(buildCompareBar());

    spSplit = Controls::splitter(u"spSplit"_s, u"green"_s, this);
    spSplit->addWidget(buildClient(digest));
    paBottom = new ChartPanel;
    // The chart area may shrink to a sliver whatever its controls would like.
    paBottom->setMinimumHeight(collapsedChartHeight);
    spSplit->addWidget(paBottom);
    spSplit->setStretchFactor(0, 1);
    spSplit->setStretchFactor(1, 0);
    spSplit->setSizes({ 10 * chartHeight, chartHeight });
    layout->addWidget(spSplit, 1);
    announceControls();
}

void DigestPanel::announceControls()
{
    connect(btShowSysmon, &QPushButton::clicked, this, &DigestPanel::showReportRequested);
    connect(btDigest, &QPushButton::clicked, this, &DigestPanel::digestRequested);
    connect(btExport, &QPushButton::clicked, this, &DigestPanel::exportRequested);
    connect(miDelCol, &QAction::triggered, this, &DigestPanel::deleteColumnRequested);
    connect(btBaseline, &QPushButton::clicked, this, &DigestPanel::baselineRequested);
    connect(btCompare, &QPushButton::clicked, this, &DigestPanel::compareRequested);
    connect(sgSysmonDigest, &GridView::keyPressed, this, [this](int key) { emit digestKeyPressed(key); });
    connect(sgSysmonDigest, &GridView::keyReleased, this, &DigestPanel::digestKeyReleased);
    connect(sgSysmonDigest, &GridView::mousePressed, this, &DigestPanel::digestMousePressed);
    connect(sgSysmonDigest, &GridView::mouseReleased, this, &DigestPanel::digestMouseReleased);
    connect(sgSysmonDigest, &GridView::mouseEntered, this, &DigestPanel::digestMouseEntered);
}

QString DigestPanel::delimiterText() const
{
    return edDelimiter->text();
}

bool DigestPanel::appendTicked() const
{
    return cbAppend->isChecked();
}

bool DigestPanel::timeOnlyTicked() const
{
    return cbTimeOnly->isChecked();
}

bool DigestPanel::swapAxesTicked() const
{
    return cbSwapAxes->isChecked();
}

void DigestPanel::popupDeleteColumn(const QString &caption, const QPoint &globalPosition)
{
    miDelCol->setText(caption);
    menPop->popup(globalPosition);
}

void DigestPanel::refuseWhileBusy(BusyGuard &busy)
{
    busy.refuse(btShowSysmon);
    busy.refuse(btDigest);
    busy.refuse(btExport);
    chartPanel().refuseWhileBusy(busy);
}

void DigestPanel::refuseWhileDigesting(BusyGuard &digestBusy)
{
    digestBusy.refuse(cbAppend);
    digestBusy.refuse(cbTimeOnly);
    digestBusy.refuse(btBaseline);
    digestBusy.refuse(btCompare);
    digestBusy.freeze(sgSysmonDigest);
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

// Choosing two periods to compare: select report columns, mark them, select others, compare. A bar
// of its own, so the top bar keeps the window's width.
QWidget *DigestPanel::buildCompareBar()
{
    QWidget *bar = Controls::bar(u"paCompareBar"_s, this);
    btBaseline = Controls::button(u"btBaseline"_s, u"Mark &Baseline"_s, bar);
    btBaseline->setToolTip(u"Mark the selected report columns as the baseline of a comparison"_s);
    btCompare = Controls::button(u"btCompare"_s, u"&Compare"_s, bar);
    btCompare->setToolTip(u"Compare the selected report columns with the baseline (all the others when only "
                          u"baseline columns are selected)"_s);
    QLabel *hint = Controls::label(u"lbCompareHint"_s,
                                   u"Select a good period's report columns and mark the baseline; then select "
                                   u"another period and compare."_s,
                                   bar);
    // A narrow window cuts the hint rather than growing for it.
    hint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Controls::barLayout(bar)->setStretchFactor(hint, 1);
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
    // Only report columns move, among themselves: the run, the averages and the chart find the
    // others by their place.
    options.columnMovable = [&digest](int column) {
        return DigestTableLayout::isReportColumn(digest, column);
    };
    // Delete Column takes the column of the current cell, which the right press must not move.
    options.rightPressKeepsCurrent = true;
    options.cellToolTips = true;
    options.headerToolTip = reportColumnToolTip;
    sgSysmonDigest = new GridView(digest, u"sgSysmonDigest"_s, options);

    menPop = new QMenu(sgSysmonDigest);
    menPop->setObjectName(u"menPop"_s);
    miDelCol = menPop->addAction(u"Delete Column"_s);
    miDelCol->setObjectName(u"miDelCol"_s);
    return Controls::area(u"paClient"_s, sgSysmonDigest);
}

QList<int> DigestPanel::selectedColumns() const
{
    QList<int> columns;
    for (const QItemSelectionRange &range : sgSysmonDigest->selectionModel()->selection()) {
        for (int column = range.left(); column <= range.right(); ++column) {
            if (!columns.contains(column))
                columns << column;
        }
    }
    std::sort(columns.begin(), columns.end());
    return columns;
}

void DigestPanel::openChart()
{
    int total = 0;
    for (int size : spSplit->sizes())
        total += size;
    if (total <= collapsedChartHeight)
        total = 10 * chartHeight;
    spSplit->setSizes({ total - total / 2, total / 2 });
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
