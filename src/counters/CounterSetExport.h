#pragma once

#include "common/TextEncoding.h"

#include <QString>

class GridTable;
class Ui;

// "E&xport Sections to CSV": the counter set, header row included, as delimited text for a
// spreadsheet.
namespace CounterSetExport {

// Asks for a path with "*.csv" in the save dialog and writes every row of the counter set there in
// `encoding`, each cell followed by the delimiter (`typedDelimiter` trimmed; it may be several
// characters or nothing), then "Data exported to " + path. Cancelling writes nothing and shows
// nothing. Throws Failure when the file cannot be written; whatever stood at the path stays whole.
void exportCsv(const GridTable &counters, const QString &typedDelimiter, TextEncoding encoding, Ui &ui);

} // namespace CounterSetExport
