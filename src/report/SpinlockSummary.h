#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <vector>

class SectionRows;
struct CategoryLists;

// Spinlock figures arrive one per line ("name spinlock_w... 123"), one kind of figure per line.
// The summary adds them up per spinlock name while the report is read, and after the last line
// turns every spinlock into one row of the section table. One summary serves one parse.
//
// A kind's first figure is kept as written: "007" stays "007", and a text that is no integer
// stays too. Its second figure turns the kind into an exact 64-bit sum; a figure that is then not
// an integer, or a sum that would leave the range, fails the parse instead of wrapping around.
// Fields counts the value lines, and starts again at 1 with each kind's first figure.
class SpinlockSummary
{
public:
    // One spinlock as the section table shows it: each kind's figure as written or its sum, and
    // the count of value lines; empty where no figure came.
    struct Texts
    {
        QString name;
        QString grabs;
        QString waits;
        QString spins;
        QString fields;
    };

    SpinlockSummary();

    // Adds the figure of one line that contains "spinlock_". Throws Failure when a figure that has
    // to be added is not an integer.
    void record(QStringView line);

    // Appends one section table row per spinlock name, "Spinlocks" to the section list and each
    // name to the subsection-1 list. Throws Failure when a figure that a ratio needs is not an
    // integer, or a divisor is a zero not written "0".
    void appendRows(SectionRows &rows, CategoryLists &lists) const;

    // Entry 0 adds up the lines without a name and is made into no row; the names follow in the
    // order they were first seen, spelt as first seen.
    int size() const { return int(spinlocks_.size()); }
    Texts textsAt(int index) const;

    // A ratio as the section table shows it: at most two decimals, cut rather than rounded.
    static QString quotientText(std::int64_t dividend, std::int64_t divisor);

private:
    // The kinds of figure, in the order a line is checked for them.
    enum Kind { Grabs, Waits, Spins, KindCount };

    // One kind of figure of one spinlock: the first figure as written until a second one comes,
    // from then on the sum.
    struct Total
    {
        QString written;
        std::int64_t sum = 0;
        bool summed = false;

        bool isEmpty() const;
        QString text() const;
    };

    struct Spinlock
    {
        QString name;
        std::array<Total, KindCount> totals;
        std::int64_t fields = 0; // 0 until the first figure
    };

    int indexOf(const QString &name);
    static void add(Spinlock &spinlock, Total &total, const QString &figure);

    std::vector<Spinlock> spinlocks_;
    QHash<QString, int> indexByFoldedName_;
    int last_ = 0;
};
