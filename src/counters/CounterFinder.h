#pragma once

#include <QString>

class GridTable;
class Ui;

// "&Find Counter": finds a piece of text in the section table, row by row below the current row,
// and makes the first cell holding it the current cell, so that pressing it again finds the next
// row. When nothing more is found it offers to go back to the top.
namespace CounterFinder {

// Searches every column of the rows below the current one for the trimmed `searchText`, ASCII letter case ignored; a
// further match in the row found is never reported. Found: the cell becomes current and the status reads "Expression
// [at c=<column>; r= <row>] found: " + the trimmed text as typed. Not found, or an empty search text: "Expression not
// found." and the question "Expression not found.  Scroll to the top?"; Yes makes row 1, column 0 current.
void findNext(GridTable &sections, const QString &searchText, Ui &ui);

} // namespace CounterFinder
