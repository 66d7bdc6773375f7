#include "ComparisonSortModel.h"

#include "common/NumberText.h"

bool ComparisonSortModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QString leftText = left.data().toString();
    const QString rightText = right.data().toString();
    const std::optional<double> leftNumber = NumberText::readReal(leftText);
    const std::optional<double> rightNumber = NumberText::readReal(rightText);
    if (leftNumber && rightNumber)
        return *leftNumber < *rightNumber;
    if (leftNumber || rightNumber)
        return leftNumber.has_value();
    return leftText.compare(rightText, Qt::CaseInsensitive) < 0;
}
