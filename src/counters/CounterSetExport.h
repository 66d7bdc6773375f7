#pragma once

#include <QString>

class GridTable;
class TextLineList;
class Ui;

// "E&xport Sections to CSV": the counter set, header row included, as delimited text for a
// spreadsheet, written in the encoding the counter set files were last read in.
namespace CounterSetExport {

// Asks for a path with "*.csv" in the save dialog and writes every row of the counter set there,
// each cell followed by the delimiter (`typedDelimiter` trimmed; it may be several characters or
// nothing), then "Data exported to " + path. Cancelling writes nothing and shows nothing. Throws
// Failure when the file cannot be written; whatever stood at the path stays whole.
void exportCsv(const GridTable &counters, TextLineList &lineList, const QString &typedDelimiter, Ui &ui);

} // namespace CounterSetExport
