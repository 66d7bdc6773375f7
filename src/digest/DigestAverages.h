#pragma once

class DigestRowSums;
class GridTable;
class Ui;

// The average column of the digest table: each counter's mean over all report columns.
namespace DigestAverages {

// Rewrites the column headed "Avg" (the first header equal to it, ASCII letter case ignored) as a
// whole. Without report columns it is left empty below its header. Otherwise row r gets the sum of
// the numbers in row r's other columns (a cell that is not a number adds nothing; the statistics
// columns are no report's) divided by the number of report columns, rounded to two decimals with
// halves to the even hundredth and written in the general number format. The statistics columns,
// when shown, are calculated again with it. Shows "Calculating Average Values..." in panel 1.
// Throws Failure when no column is headed "Avg".
void calculate(GridTable &digest, Ui &ui);

// The same from row sums kept up to date while a run added its columns.
void calculate(GridTable &digest, const DigestRowSums &sums, Ui &ui);

} // namespace DigestAverages
