#pragma once

#include <vector>

class CounterNameIndex;
class GridTable;

// Which section table rows of one report match which digest rows. The copy takes the last match
// of each digest row; the report's problems name the rows that matched none and those that matched
// more than one.
class CounterMatches
{
public:
    static constexpr int noMatch = -1;

    // Tests every section table row that names something against the counter names indexed.
    CounterMatches(const GridTable &sections, const CounterNameIndex &index);

    // The last matching section row of a digest row, in section table order, or noMatch.
    int last(int digestRow) const;
    int count(int digestRow) const;
    // Every matching section row of a digest row, ascending.
    std::vector<int> all(int digestRow) const;
    // The digest table's row count the index was built for, header row included.
    int digestRows() const { return int(last_.size()); }

private:
    struct Match
    {
        int digestRow;
        int sectionRow;
    };

    std::vector<int> last_; // by digest row
    std::vector<int> count_; // by digest row
    // Every match, in section table order; read again only for the rows matched more than once.
    std::vector<Match> matches_;
};
