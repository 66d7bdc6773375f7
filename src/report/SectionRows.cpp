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

// Rows often repeat the figure of the row before them in a column ("0.0", "n/a"): the cell then
// shares that text instead of holding a copy of its own.
void SectionRows::write(int column, QStringView text)
{
    const QStringView cell = TextRules::trimmedView(text);
    QString &last = lastWritten_.at(std::size_t(column));
    if (cell != last)
        last = cell.toString();
    sections_.setCell(column, cursor_, last);
}

void SectionRows::writeTrimmed(int column, const QString &text)
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
    sections_.setCell(column, row, TextRules::trimmed(text));
}
