#include "ProblemsPanel.h"

#include "LongTextDelegate.h"
#include "digest/ProblemList.h"
#include "grid/GridTable.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

constexpr int columnWidths[ProblemList::columnCount] = { 230, 170, 250, 600 };

// The problems sorted as the user asks, each cell's whole text as its tooltip: a detail is often
// wider than its column.
class SortedProblems : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        return QSortFilterProxyModel::data(index, role == Qt::ToolTipRole ? Qt::DisplayRole : role);
    }
};

} // namespace

ProblemsPanel::ProblemsPanel(GridTable &problems, QWidget *parent) : QWidget(parent)
{
    setObjectName(u"paProblems"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    sorted_ = new SortedProblems(this);
    sorted_->setSourceModel(&problems);
    sorted_->setSortCaseSensitivity(Qt::CaseInsensitive);
    sgProblems = new QTableView(this);
    sgProblems->setObjectName(u"sgProblems"_s);
    sgProblems->setModel(sorted_);
    sgProblems->setItemDelegate(new LongTextDelegate(sgProblems));
    sgProblems->setItemDelegateForColumn(ProblemList::Report, new LongTextDelegate(Qt::ElideLeft, sgProblems));
    sgProblems->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgProblems->setSelectionMode(QAbstractItemView::SingleSelection);
    sgProblems->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgProblems->setWordWrap(false);
    sgProblems->setTabKeyNavigation(false);
    sgProblems->verticalHeader()->setVisible(false);
    sgProblems->verticalHeader()->setDefaultSectionSize(sgProblems->fontMetrics().height() + 6);
    QHeaderView *header = sgProblems->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setStretchLastSection(true);
    for (int column = 0; column < ProblemList::columnCount; ++column)
        sgProblems->setColumnWidth(column, columnWidths[column]);
    // The problems show in the order the run found them until the user sorts them.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    sgProblems->setSortingEnabled(true);
    layout->addWidget(sgProblems);

    connect(sgProblems, &QAbstractItemView::activated, this, [this](const QModelIndex &index) {
        // The table's view rows are its data rows, from 1.
        emit problemChosen(sorted_->mapToSource(index).row() + 1);
    });
}
