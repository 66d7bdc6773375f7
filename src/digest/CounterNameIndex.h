#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <unordered_map>
#include <vector>

class GridTable;

// Finds the digest rows a section table row belongs to without testing every digest row.
//
// A section row matches a digest row when each of its name fields that is not blank occurs,
// enclosed in brackets, somewhere in the digest row's counter name: a substring test, not an
// equality, so a section row with only its section filled in matches every counter of that
// section, and a field may match at any position of the name. Every "[...]" that occurs in a
// counter name is one of the pieces of the name that start with "[" and end with a later "]"
// (brackets inside included), so the rows of the piece "[" + field + "]" are exactly the indexed
// rows whose name holds it, and the result is the same as testing every row.
//
// The index holds the counter names as they stood when it was built: build it once per digest run,
// after the reset, while the rows cannot change. It remembers the rows of every field text it was
// asked about, since the reports of a run name the same sections over and over.
class CounterNameIndex
{
public:
    explicit CounterNameIndex(const GridTable &digest);
    // The same for the counter names of a run's rows, row r at index r - 1. Each worker of a run
    // builds its own: the index remembers what it was asked, so it is not shared between threads.
    explicit CounterNameIndex(const QStringList &namesByRow);

    // The digest rows, ascending, whose counter name holds "[" + field + "]" for each of the three
    // fields that is not blank, the field taken untrimmed. Empty when all three are blank: such a
    // section row is never copied. The list lasts until the next call.
    const std::vector<int> &rowsMatching(QStringView section, QStringView subSection1, QStringView subSection2) const;

    // rowsMatching() for the section row at `position` of a report. The reports of a run come from
    // one server and list the same rows in the same order: a row whose fields are those of the
    // row at the same position in the report before gets its rows again without a look-up. The
    // list lasts until the same position is asked about again.
    const std::vector<int> &rowsMatchingAt(int position, QStringView section, QStringView subSection1,
                                           QStringView subSection2) const;

    // The digest table's row count when the index was built, header row included.
    int rows() const { return int(names_.size()); }

private:
    // A name with brackets in its fields can have many pieces (one per pair of an opening and a
    // later closing bracket); above this many it is tested directly instead of indexed.
    static constexpr qsizetype maxPiecesPerName = 64;

    void add(int row, const QString &name);
    const std::vector<int> &rowsWithPiece(const QString &piece) const;
    // The rows, ascending, whose counter name holds "[" + field + "]".
    const std::vector<int> &rowsHolding(const QString &field) const;

    // The rows of one field of the section row before; consecutive rows share their section and
    // often their subsection path.
    struct RecentField
    {
        QString text;
        const std::vector<int> *rows = nullptr; // nothing for a blank field
        bool known = false;
    };

    // What the section row at one position of a report matched.
    struct RememberedRow
    {
        std::array<QString, 3> fields;
        std::vector<int> rows;
        bool known = false;
    };

    std::vector<QString> names_; // by digest row; row 0 unused
    QHash<QString, std::vector<int>> rowsByPiece_;
    std::vector<int> unindexedRows_;
    // Node-based, so the lists stay where they are as fields are added.
    mutable std::unordered_map<QString, std::vector<int>> rowsByField_;
    mutable std::array<RecentField, 3> recent_;
    mutable std::vector<int> matching_;
    mutable std::vector<RememberedRow> byPosition_;
};
