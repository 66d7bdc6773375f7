#pragma once

#include <QStringList>

// The item lists of the three category boxes, rebuilt by every parse: the distinct sections,
// subsection paths and entry names of the section table, in row order, not sorted.
struct CategoryLists
{
    QStringList sections;
    QStringList subSections1;
    QStringList subSections2;

    void clear()
    {
        sections.clear();
        subSections1.clear();
        subSections2.clear();
    }
};
