#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class GridTable;
struct CategoryLists;

// Keeps the category boxes in step with the section table: the section, subsection path, entry name
// and counter type of the current cell, which is what Add Counter puts into the counter set. The
// same step relabels the value column headers, because a spinlock row carries other figures than
// an ordinary counter row.
namespace CategorySelection {

enum class HeaderLabels { Ordinary, Spinlock };

// What one category box shows: its text and its selected item, -1 when no item matches.
struct BoxSetting
{
    QString text;
    int index = -1;

    bool operator==(const BoxSetting &) const = default;
};

// What the four boxes show and which labels head the value columns.
struct Setting
{
    HeaderLabels labels = HeaderLabels::Ordinary;
    BoxSetting section;
    BoxSetting subSection1;
    BoxSetting subSection2;
    BoxSetting counterType;
};

// Headers of the value columns 3..9: "PerSec" .. "Idle %", or for a spinlock row "Waits", "Spins",
// "Grabs", "% Contn", "Spin/Wait", "Fields", "N/A".
QStringList labelTexts(HeaderLabels labels);

// The first item equal to `text` with ASCII letter case ignored, or -1. An empty text matches no
// item.
int indexOfItem(const QStringList &items, QStringView text);

// The boxes for the section table's cell [column, row]. A row without a figure in column 3 or 7
// (a header-field row, a blank row) changes nothing: the boxes keep describing the last counter
// row visited, so the result is empty. `counterTypes` are the items of the counter type box.
std::optional<Setting> settingFor(const GridTable &sections, int row, int column, const CategoryLists &lists,
                                  const QStringList &counterTypes);

// Writes the labels into the header cells of the value columns of the section table.
void writeHeaderLabels(GridTable &sections, HeaderLabels labels);

} // namespace CategorySelection
