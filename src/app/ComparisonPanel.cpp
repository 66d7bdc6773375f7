#include "ComparisonPanel.h"

#include "BusyGuard.h"
#include "ComparisonSortModel.h"
#include "Controls.h"
#include "LongTextDelegate.h"

#include "compare/ComparisonTableLayout.h"
#include "grid/GridTable.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

// The counter name is long; a figure of fifteen digits fits its column.
constexpr int counterNameWidth = 280;
constexpr int typeWidth = 64;
constexpr int figureWidth = 135;
constexpr int countWidth = 85;

} // namespace

ComparisonPanel::ComparisonPanel(GridTable &comparison, QWidget *parent) : QWidget(parent)
{
    setObjectName(u"paCompare"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTop());
    layout->addWidget(buildTable(comparison), 1);
    connect(btExportComparison, &QPushButton::clicked, this, &ComparisonPanel::exportRequested);
    connect(btChartCounter, &QPushButton::clicked, this, &ComparisonPanel::chartRequested);
    connect(sgPeriodComparison, &QTableView::doubleClicked, this, &ComparisonPanel::chartRequested);
}

QWidget *ComparisonPanel::buildTop()
{
    QWidget *bar = Controls::bar(u"paCompareTop"_s, this);
    btExportComparison = Controls::button(u"btExportComparison"_s, u"E&xport Comparison to CSV File"_s, bar);
    btExportComparison->setToolTip(u"Write the comparison, most moved first whatever the sorting shows, with the "
                                   u"delimiter of the digest tab"_s);
    btChartCounter = Controls::button(u"btChartCounter"_s, u"&Chart Counter"_s, bar);
    btChartCounter->setToolTip(u"Draw the picked counter as \"Y Ax.1\" of the chart on the digest tab"_s);
    lbPeriods = Controls::label(u"lbPeriods"_s,
                                u"On the digest tab, select a good period's report columns and press \"Mark "
                                u"Baseline\"; then select another period and press \"Compare\"."_s,
                                bar);
    // Two long dates each side: the text wraps rather than widening the window.
    lbPeriods->setWordWrap(true);
    lbPeriods->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Controls::barLayout(bar)->setStretchFactor(lbPeriods, 1);
    return bar;
}

QTableView *ComparisonPanel::buildTable(GridTable &comparison)
{
    sgPeriodComparison = new QTableView(this);
    sgPeriodComparison->setObjectName(u"sgPeriodComparison"_s);
    sortModel_ = new ComparisonSortModel(sgPeriodComparison);
    sortModel_->setSourceModel(&comparison);
    sgPeriodComparison->setModel(sortModel_);
    sgPeriodComparison->setItemDelegate(new LongTextDelegate(sgPeriodComparison));
    sgPeriodComparison->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgPeriodComparison->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgPeriodComparison->setSelectionMode(QAbstractItemView::SingleSelection);
    sgPeriodComparison->setItemDelegateForColumn(ComparisonTableLayout::CounterName,
                                                 new LongTextDelegate(Qt::ElideMiddle, sgPeriodComparison));
    sgPeriodComparison->setWordWrap(false);
    sgPeriodComparison->verticalHeader()->setVisible(false);
    sgPeriodComparison->verticalHeader()->setDefaultSectionSize(sgPeriodComparison->fontMetrics().height() + 6);

    QHeaderView *columns = sgPeriodComparison->horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setHighlightSections(false);
    columns->setDefaultSectionSize(figureWidth);
    sgPeriodComparison->setColumnWidth(ComparisonTableLayout::CounterName, counterNameWidth);
    sgPeriodComparison->setColumnWidth(ComparisonTableLayout::Type, typeWidth);
    sgPeriodComparison->setColumnWidth(ComparisonTableLayout::BaselineCount, countWidth);
    sgPeriodComparison->setColumnWidth(ComparisonTableLayout::ComparisonCount, countWidth);
    // A third click on a header gives the comparison's own order back.
    columns->setSortIndicatorClearable(true);
    columns->setSortIndicator(-1, Qt::AscendingOrder);
    sgPeriodComparison->setSortingEnabled(true);
    return sgPeriodComparison;
}

void ComparisonPanel::showPeriods(const QString &text)
{
    lbPeriods->setText(text);
}

QString ComparisonPanel::currentCounterName() const
{
    const QModelIndex current = sgPeriodComparison->currentIndex();
    if (!current.isValid())
        return {};
    return current.siblingAtColumn(ComparisonTableLayout::CounterName).data().toString();
}

void ComparisonPanel::showMostMovedFirst()
{
    sgPeriodComparison->sortByColumn(-1, Qt::AscendingOrder);
    sgPeriodComparison->setCurrentIndex(sortModel_->index(0, ComparisonTableLayout::CounterName));
    sgPeriodComparison->scrollToTop();
}

void ComparisonPanel::refuseWhileBusy(BusyGuard &busy)
{
    busy.refuse(btExportComparison);
    busy.refuse(btChartCounter);
}
