#include "CategoryListFiller.h"

#include "CategoryLists.h"
#include "common/TextRules.h"
#include "grid/GridTable.h"

#include <QSet>

#include <algorithm>

namespace CategoryListFiller {

namespace {

// One category list with the folded texts it already holds, so a report of many thousand rows
// costs one look-up per cell rather than a walk through the list.
class DistinctList
{
public:
    explicit DistinctList(QStringList &list) : list_(list)
    {
        for (const QString &text : list_)
            seen_.insert(TextRules::asciiLower(text));
    }

    void offer(QStringView text)
    {
        // Neighbouring rows mostly share their section and path: those were settled a row ago.
        if (text == previous_)
            return;
        previous_ = text;
        if (TextRules::isBlankText(text))
            return;
        TextRules::asciiLowerInto(text, key_);
        if (seen_.contains(key_))
            return;
        seen_.insert(key_);
        list_.append(text.toString());
    }

private:
    QStringList &list_;
    QSet<QString> seen_;
    // A cell of the table, which does not change while the lists are filled.
    QStringView previous_;
    // The folded text looked up, kept from one offer to the next: only a key the set takes is copied.
    QString key_;
};

} // namespace

namespace {

void fromRowsBefore(int endRow, const GridTable &sections, CategoryLists &lists)
{
    DistinctList sectionList(lists.sections);
    DistinctList subSection1List(lists.subSections1);
    DistinctList subSection2List(lists.subSections2);
    for (int row = 1; row < endRow; ++row) {
        sectionList.offer(sections.cell(0, row));
        subSection1List.offer(sections.cell(1, row));
        subSection2List.offer(sections.cell(2, row));
    }
}

} // namespace

void fromReportRows(const GridTable &sections, CategoryLists &lists)
{
    fromRowsBefore(sections.rows(), sections, lists);
}

void completeSpinlockOnlyLists(const GridTable &sections, int endRow, CategoryLists &lists)
{
    CategoryLists whole;
    fromRowsBefore(std::min(endRow, sections.rows()), sections, whole);
    whole.sections += lists.sections;
    whole.subSections1 += lists.subSections1;
    whole.subSections2 += lists.subSections2;
    lists = std::move(whole);
}

} // namespace CategoryListFiller
