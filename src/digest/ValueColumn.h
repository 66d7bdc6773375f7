#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class GridTable;

// Which section table column holds the figure that a counter type asks for.
namespace ValueColumn {

inline constexpr int none = -1;

// Spinlock rows hold their figures in fixed columns: "Waits" 3, "Spins" 4, "Grabs" 5, "% Contn" 6,
// "Spin/Wait" 7, "Fields" 8, compared exactly; any other type names none.
int forSpinlock(QStringView counterType);

// Ordinary rows: the first column whose header text equals the type, ASCII letter case ignored
// (so "count" finds "Count" and "Section" the name column); none when no header equals it.
int forOrdinary(QStringView counterType, const QStringList &headers);

// Spinlock rows, whose figures stand in fixed columns, are those whose section is exactly
// "Spinlocks".
bool isSpinlockRow(QStringView section);

// The header texts of the section table, row 0.
QStringList headersOf(const GridTable &sections);

} // namespace ValueColumn
