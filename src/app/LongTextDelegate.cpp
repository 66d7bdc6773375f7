#include "LongTextDelegate.h"

void LongTextDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->text.size() > maxShownCharacters)
        option->text.truncate(maxShownCharacters);
    if (elideMode_)
        option->textElideMode = *elideMode_;
}
