#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <cstdint>

class GridTable;
class SectionRows;
struct CategoryLists;

// Spinlock figures arrive one per line ("name spinlock_w... 123"), one kind of figure per line.
// The summary adds them up per spinlock name in the hidden spinlock work table while the report is
// read, and after the last line turns every spinlock into one row of the section table.
//
// Work table columns: 0 name, 1 Grabs ("spinlock_p" lines), 2 Waits ("spinlock_w"), 3 Spins
// ("spinlock_s"), 4 Fields (a count of value lines). Row 0 carries no spinlock; a blank row stays
// last. Sums are exact 64-bit integers: a figure outside that range, or a sum that would leave it,
// fails the parse instead of wrapping around.
class SpinlockSummary
{
public:
    explicit SpinlockSummary(GridTable &work);

    // Every cell emptied, five columns, two rows.
    void reset();

    // Adds the figure of one line that contains "spinlock_". Throws Failure when a figure that has
    // to be added is not an integer.
    void record(QStringView line);

    // Appends one section table row per spinlock name, "Spinlocks" to the section list and each
    // name to the subsection-1 list. Throws Failure when a figure that a ratio needs is not an
    // integer, or a divisor is a zero not written "0".
    void appendRows(SectionRows &rows, CategoryLists &lists) const;

    // A ratio as the section table shows it: at most two decimals, cut rather than rounded.
    static QString quotientText(std::int64_t dividend, std::int64_t divisor);

private:
    int rowOf(const QString &name);
    int lookUp(const QString &name);
    void add(int column, int row, QStringView figure);

    GridTable &work_;
    QHash<QString, int> rowsByFoldedName_;
    int lastRow_ = -1;
};
