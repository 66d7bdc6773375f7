#pragma once

#include <QList>
#include <QTableView>

#include <functional>

class GridTable;

// Shows a GridTable: row 0 as the column headers, rows 1.. as the body. The view's current index
// and the table's current cell follow each other both ways, so commands that act on the current
// cell see what the user picked. Where the user may drag rows or columns, the drag moves the data
// in the table, not only the picture: the digest, the export and the chart read the table.
class GridView : public QTableView
{
    Q_OBJECT

public:
    struct Options
    {
        QList<int> columnWidths;
        int defaultColumnWidth = 64;
        int rowHeight = 0; // 0: fitted to the font
        bool wholeRows = false; // whole-row selection instead of cell ranges
        bool editable = false;
        // Column 0 of the table is a fixed gutter: shown as a narrow row handle, not as a column.
        bool gutter = false;
        bool movableRows = false;
        bool movableColumns = false;
        // Which columns a drag may take and put down among each other; without it, every column
        // but the gutter.
        std::function<bool(int column)> columnMovable;
        // A right press leaves the current cell and the selection where they are, so that the
        // grid's popup menu acts on what the user sees highlighted.
        bool rightPressKeepsCurrent = false;
        // A cell's whole text shows as its tooltip where the column cuts it.
        bool cellToolTips = false;
        // The tooltip of a column's header; none when it gives an empty text.
        std::function<QString(const GridTable &table, int column)> headerToolTip;
    };

    GridView(GridTable &table, const QString &objectName, const Options &options, QWidget *parent = nullptr);

    GridTable &table() const { return table_; }

    // While a command rebuilds the table, an edit in place would write into the rows it is
    // writing, and a dragged row or column would move them under it: locking finishes an open cell
    // editor (what was typed goes in first), opens no new one and holds rows and columns where
    // they are until unlocked. Grids that are not editable or movable stay so.
    void lock(bool locked);

    static constexpr int gutterWidth = 10;

signals:
    // The grid's events, for the commands that hang on them. Key presses and mouse presses are
    // announced before the grid moves its current cell, releases after.
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &globalPosition);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void mouseEntered();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyOptions(const Options &options);
    void applyColumnWidths(int first, int last);
    void followViewCurrent(const QModelIndex &current);
    void followTableCurrent(int column, int row);
    void rowDragged(int logical, int oldVisual, int newVisual);
    void columnDragged(int logical, int oldVisual, int newVisual);
    QString cutCellText(const QModelIndex &index) const;

    GridTable &table_;
    QList<int> columnWidths_;
    bool editable_ = false;
    bool movableRows_ = false;
    bool movableColumns_ = false;
    std::function<bool(int column)> columnMovable_;
    bool undoingDrag_ = false;
    bool rightPressKeepsCurrent_ = false;
    bool cellToolTips_ = false;
    std::function<QString(const GridTable &table, int column)> headerToolTip_;
};
