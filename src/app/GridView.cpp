#include "GridView.h"

#include "LongTextDelegate.h"
#include "grid/GridTable.h"

#include <QEnterEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace {

// A tooltip as long as a damaged report's megabyte subheading would take seconds to lay out.
QString shortened(const QString &text)
{
    return text.left(LongTextDelegate::maxShownCharacters);
}

void showToolTip(const QHelpEvent &event, const QString &text, QWidget *over)
{
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event.globalPos(), shortened(text), over);
}

} // namespace

GridView::GridView(GridTable &table, const QString &objectName, const Options &options, QWidget *parent) :
    QTableView(parent), table_(table)
{
    setObjectName(objectName);
    setModel(&table_);
    setItemDelegate(new LongTextDelegate(this));
    applyOptions(options);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { followViewCurrent(current); });
    connect(&table_, &GridTable::currentCellChanged, this,
            [this](int column, int row) { followTableCurrent(column, row); });
    // Rows and columns reach the view only when a bulk writer publishes them; the current cell
    // may have moved onto them in the meantime.
    connect(&table_, &QAbstractItemModel::rowsInserted, this,
            [this] { followTableCurrent(table_.currentColumn(), table_.currentRow()); });
    connect(&table_, &QAbstractItemModel::columnsInserted, this, [this](const QModelIndex &, int first, int last) {
        applyColumnWidths(first, last);
        followTableCurrent(table_.currentColumn(), table_.currentRow());
    });
}

void GridView::applyOptions(const Options &options)
{
    columnWidths_ = options.columnWidths;
    editable_ = options.editable;
    movableRows_ = options.movableRows;
    movableColumns_ = options.movableColumns;
    columnMovable_ = options.columnMovable;
    rightPressKeepsCurrent_ = options.rightPressKeepsCurrent;
    cellToolTips_ = options.cellToolTips;
    headerToolTip_ = options.headerToolTip;
    if (headerToolTip_)
        horizontalHeader()->viewport()->installEventFilter(this);
    table_.setEditable(options.editable);
    // Typing or F2 edits a cell in place; a double click is left free for the grid's own command
    // (in the section table it adds the counter).
    setEditTriggers(options.editable ? QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                                     : QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(options.wholeRows ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    setSelectionMode(options.wholeRows ? QAbstractItemView::SingleSelection : QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    setTabKeyNavigation(false);

    QHeaderView *columns = horizontalHeader();
    columns->setDefaultSectionSize(options.defaultColumnWidth);
    columns->setMinimumSectionSize(options.gutter ? gutterWidth : 16);
    columns->setHighlightSections(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    QHeaderView *rowHandles = verticalHeader();
    const int rowHeight = options.rowHeight > 0 ? options.rowHeight : fontMetrics().height() + 6;
    rowHandles->setMinimumSectionSize(rowHeight);
    rowHandles->setDefaultSectionSize(rowHeight);
    rowHandles->setSectionResizeMode(QHeaderView::Fixed);
    rowHandles->setHighlightSections(false);
    rowHandles->setVisible(options.gutter);
    if (options.gutter) {
        table_.setFixedColumns(1);
        setColumnHidden(0, true);
        rowHandles->setFixedWidth(gutterWidth);
    }
    if (options.movableRows) {
        rowHandles->setSectionsMovable(true);
        connect(rowHandles, &QHeaderView::sectionMoved, this, &GridView::rowDragged);
    }
    if (options.movableColumns) {
        columns->setSectionsMovable(true);
        connect(columns, &QHeaderView::sectionMoved, this, &GridView::columnDragged);
    }
    applyColumnWidths(0, table_.columnCount() - 1);
}

void GridView::lock(bool locked)
{
    if (locked) {
        if (QWidget *editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    table_.setEditable(editable_ && !locked);
    verticalHeader()->setSectionsMovable(movableRows_ && !locked);
    horizontalHeader()->setSectionsMovable(movableColumns_ && !locked);
}

// Columns beyond the designed ones (report columns of the digest) take the default width.
void GridView::applyColumnWidths(int first, int last)
{
    for (int c = first; c <= last && c < columnWidths_.size(); ++c)
        setColumnWidth(c, columnWidths_[c]);
}

void GridView::followViewCurrent(const QModelIndex &current)
{
    if (current.isValid())
        table_.setCurrentCell(current.column(), current.row() + 1);
}

void GridView::followTableCurrent(int column, int row)
{
    const QModelIndex wanted = table_.index(row - 1, column);
    if (wanted.isValid() && wanted != currentIndex())
        setCurrentIndex(wanted);
}

// The header has already drawn the section at its new place; put the picture back and move the
// data instead, so that visual and stored order never differ.
void GridView::rowDragged(int, int oldVisual, int newVisual)
{
    if (undoingDrag_)
        return;
    undoingDrag_ = true;
    verticalHeader()->moveSection(newVisual, oldVisual);
    undoingDrag_ = false;
    table_.moveRow(oldVisual + 1, newVisual + 1);
    table_.setCurrentCell(table_.currentColumn(), newVisual + 1);
}

void GridView::columnDragged(int, int oldVisual, int newVisual)
{
    if (undoingDrag_)
        return;
    undoingDrag_ = true;
    horizontalHeader()->moveSection(newVisual, oldVisual);
    undoingDrag_ = false;
    // The gutter stays in front, and columns that readers find by their place stay at it: nothing
    // moves into them or out of them.
    const int fixed = table_.fixedColumns();
    if (oldVisual < fixed || newVisual < fixed)
        return;
    if (columnMovable_ && (!columnMovable_(oldVisual) || !columnMovable_(newVisual)))
        return;
    table_.moveColumn(oldVisual, newVisual);
    // Widths belong to the columns the user sees, so they travel with the data.
    QList<int> widths;
    for (int c = 0; c < table_.columnCount(); ++c)
        widths << columnWidth(c);
    widths.move(oldVisual, newVisual);
    for (int c = 0; c < widths.size(); ++c)
        setColumnWidth(c, widths[c]);
}

void GridView::keyPressEvent(QKeyEvent *event)
{
    emit keyPressed(event->key(), event->modifiers());
    QTableView::keyPressEvent(event);
}

void GridView::keyReleaseEvent(QKeyEvent *event)
{
    QTableView::keyReleaseEvent(event);
    emit keyReleased(event->key(), event->modifiers());
}

void GridView::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->modifiers(), event->globalPosition().toPoint());
    if (rightPressKeepsCurrent_ && event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void GridView::mouseReleaseEvent(QMouseEvent *event)
{
    if (rightPressKeepsCurrent_ && event->button() == Qt::RightButton)
        event->accept();
    else
        QTableView::mouseReleaseEvent(event);
    emit mouseReleased(event->button(), event->modifiers());
}

void GridView::enterEvent(QEnterEvent *event)
{
    QTableView::enterEvent(event);
    emit mouseEntered();
}

bool GridView::viewportEvent(QEvent *event)
{
    if (cellToolTips_ && event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        showToolTip(*help, cutCellText(indexAt(help->pos())), viewport());
        return true;
    }
    return QTableView::viewportEvent(event);
}

// The cell's text when the column is too narrow for it; empty when it shows whole.
QString GridView::cutCellText(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int needed = itemDelegateForIndex(index)->sizeHint(option, index).width();
    if (needed <= columnWidth(index.column()))
        return {};
    return table_.cell(index.column(), index.row() + 1).toString();
}

bool GridView::eventFilter(QObject *watched, QEvent *event)
{
    QHeaderView *columns = horizontalHeader();
    if (watched == columns->viewport() && event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const int column = columns->logicalIndexAt(help->pos());
        showToolTip(*help, column < 0 ? QString() : headerToolTip_(table_, column), columns->viewport());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}
