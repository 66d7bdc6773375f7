#pragma once

#include <QStyledItemDelegate>

#include <optional>

// Draws the items of the grids and of the drop-down lists. A cell may hold a text a megabyte long
// (a damaged report's subheading becomes the subsection path of every row under it and an entry of
// the subsection box), and laying out all of it at every repaint would hold the window for
// seconds, while a column or a list shows a few hundred characters at most. So only the beginning
// of a long text is drawn; the item keeps all of it, and editing a cell starts from all of it.
class LongTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    // Cuts a text too long for its cell at `elideMode` instead of the view's own place: a path is
    // told apart by its end, a counter name by its section and its entry.
    LongTextDelegate(Qt::TextElideMode elideMode, QObject *parent) : QStyledItemDelegate(parent), elideMode_(elideMode)
    { }

    static constexpr qsizetype maxShownCharacters = 1000;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    std::optional<Qt::TextElideMode> elideMode_;
};
