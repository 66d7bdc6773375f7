#include "SectionRows.h"

#include "SectionTableLayout.h"
#include "common/TextRules.h"
#include "grid/GridTable.h"

SectionRows::SectionRows(GridTable &sections) : sections_(sections)
{ }

void SectionRows::reset()
{
    SectionTableLayout::reset(sections_);
    cursor_ = 1;
}

void SectionRows::ensureRowAtCursor()
{
    if (sections_.rows() <= cursor_)
        sections_.setRows(sections_.rows() + 1);
}

void SectionRows::write(int column, QStringView text)
{
    sections_.setCell(column, cursor_, TextRules::trimmedView(text));
}

void SectionRows::writeTrimmed(int column, QStringView text)
{
    sections_.setCell(column, cursor_, text);
}

int SectionRows::appendRow()
{
    sections_.setRows(sections_.rows() + 1);
    return sections_.rows() - 1;
}

void SectionRows::writeAt(int column, int row, QStringView text)
{
    sections_.setCell(column, row, TextRules::trimmedView(text));
}
