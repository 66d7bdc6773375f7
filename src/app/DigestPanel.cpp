#include "DigestPanel.h"

#include "BusyGuard.h"
#include "ChartPanel.h"
#include "Controls.h"
#include "GridView.h"
#include "ProblemsPanel.h"

#include "digest/DigestColumnMap.h"
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
constexpr int problemsHeight = 160;

// A bound of the time window: empty means none, the format shows until the user types.
QLineEdit *boundEdit(const QString &name, const QString &labelName, const QString &caption, QWidget *bar)
{
    QLabel *label = Controls::label(labelName, caption, bar);
    QLineEdit *edit = Controls::lineEdit(name, QString(), bar);
    label->setBuddy(edit);
    edit->setPlaceholderText(u"yyyy-MM-dd hh:mm:ss"_s);
    edit->setClearButtonEnabled(true);
    edit->setToolTip(u"Digest only the reports whose sampling started at this moment or later (From), or\n"
                     "at this moment or earlier (To): \"yyyy-MM-dd hh:mm:ss\", or \"yyyy-MM-dd\" for the whole\n"
                     "day. Empty: no bound. The reports left out are listed among the problems."_s);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(u"0000-00-00 00:00:00"_s) + 40);
    return edit;
}

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

DigestPanel::DigestPanel(GridTable &digest, GridTable &problems, QWidget *parent) : QWidget(parent)
{
    setObjectName(u"paDigest"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTop());
    layout->addWidget(buildOptions());
    layout->addWidget(buildCompareBar());

    spSplit = Controls::splitter(u"spSplit"_s, u"green"_s, this);
    spSplit->addWidget(buildClient(digest, problems));
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
    connect(cbStatistics, &QCheckBox::toggled, this, &DigestPanel::statisticsToggled);
    connect(btProblems, &QPushButton::toggled, this, &DigestPanel::showProblemsList);
    connect(paProblems, &ProblemsPanel::problemChosen, this, &DigestPanel::problemChosen);
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

bool DigestPanel::statisticsTicked() const
{
    return cbStatistics->isChecked();
}

QString DigestPanel::fromText() const
{
    return edFrom->text();
}

QString DigestPanel::toText() const
{
    return edTo->text();
}

void DigestPanel::showProblemCount(int count)
{
    btProblems->setText(u"Prob&lems: %1"_s.arg(count));
    btProblems->setStyleSheet(count > 0 ? u"QPushButton { color: #b00000; font-weight: bold; }"_s : QString());
}

// The list opens at its designed height, or half the area when that is smaller, whatever the
// splitter gave it when it was last hidden.
void DigestPanel::showProblemsList(bool shown)
{
    paProblems->setVisible(shown);
    if (!shown)
        return;
    int total = 0;
    for (int size : splProblems->sizes())
        total += size;
    const int height = std::min(problemsHeight, total / 2);
    splProblems->setSizes({ total - height, height });
}

void DigestPanel::focusDigestTable()
{
    sgSysmonDigest->setFocus();
    sgSysmonDigest->scrollTo(sgSysmonDigest->currentIndex());
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
    digestBusy.refuse(cbStatistics);
    digestBusy.refuse(edFrom);
    digestBusy.refuse(edTo);
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

QWidget *DigestPanel::buildOptions()
{
    QWidget *bar = Controls::bar(u"paDigestOptions"_s, this);
    edFrom = boundEdit(u"edFrom"_s, u"lbFrom"_s, u"&From:"_s, bar);
    edTo = boundEdit(u"edTo"_s, u"lbTo"_s, u"T&o:"_s, bar);
    cbStatistics = Controls::checkBox(u"cbStatistics"_s, u"&Statistics"_s, false, bar);
    cbStatistics->setToolTip(u"Show after \"Avg\" how each counter's figures spread over the reports: how many\n"
                             "there are (N), the smallest, the largest, the median, the 95th percentile\n"
                             "(nearest rank) and the mean weighted by the reports' sample intervals. Empty cells\n"
                             "and \"-1\" do not count."_s);
    btProblems = Controls::button(u"btProblems"_s, QString(), bar);
    btProblems->setCheckable(true);
    btProblems->setToolTip(u"Show or hide the problems the last digest found in its reports: failed parses,\n"
                           "counters missing or matched more than once, another server or sample interval,\n"
                           "reports outside the time window. Double-click one to go to its report's column."_s);
    showProblemCount(0);
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

QWidget *DigestPanel::buildClient(GridTable &digest, GridTable &problems)
{
    GridView::Options options;
    options.columnWidths = { GridView::gutterWidth, 256, 64, 64 };
    options.defaultColumnWidth = 64;
    options.rowHeight = 24;
    options.gutter = true;
    options.movableRows = true;
    options.movableColumns = true;
    // Only report columns move, among themselves: the counter name, type, average and statistics
    // columns stay where the user expects them.
    options.columnMovable = [&digest](int column) {
        return DigestColumnMap(digest).isReport(column);
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

    splProblems = Controls::splitter(u"splProblems"_s, u"green"_s, this);
    splProblems->addWidget(sgSysmonDigest);
    paProblems = new ProblemsPanel(problems);
    splProblems->addWidget(paProblems);
    splProblems->setStretchFactor(0, 1);
    splProblems->setStretchFactor(1, 0);
    splProblems->setSizes({ 3 * problemsHeight, problemsHeight });
    paProblems->hide();
    return Controls::area(u"paClient"_s, splProblems);
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
