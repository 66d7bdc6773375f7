#pragma once

#include <vector>

class DigestColumnMap;
class PackedTexts;
class GridTable;

// The sum of each row of the digest table over its report columns: the numbers among their cells,
// added from the leftmost column on (a cell that is not a number adds nothing; the "Avg" and
// statistics columns are no report's). A run keeps the sums up to date as it adds columns, in the
// same order, so that its end writes the averages without reading thousands of columns again.
class DigestRowSums
{
public:
    // The sums over the columns the table holds now.
    DigestRowSums(const GridTable &digest, const DigestColumnMap &columns);

    // Adds the numbers of `column`, a report column to the right of every column summed so far.
    void add(const GridTable &digest, int column);
    // The same for the column a report's figures (by row, row r at index r - 1) are about to get.
    void add(const PackedTexts &figures);

    // The sum of table row `row`; 0 for a row the table did not have when the sums began.
    double of(int row) const;

private:
    std::vector<double> sums_; // by table row
};
