#pragma once

#include "common/TextEncoding.h"

#include <QString>
#include <QStringList>

class GridTable;
class Ui;

// "&Export Data to CSV File": the digest table as delimited text for a spreadsheet.
namespace DigestExport {

// The lines of the file: a line per digest row, or with `swapAxes` a line per digest column, so
// that each counter becomes a column of the spreadsheet. The gutter column is never written, the
// header row always. Every cell is written exactly and followed by `delimiter`.
QStringList lines(const GridTable &digest, bool swapAxes, const QString &delimiter);

// Asks for a path with "*.csv" in the save dialog and writes the lines there in `encoding`, each
// ended by CR LF, replacing any file of that name; then "Data exported to " + path in panel 1.
// The delimiter is `typedDelimiter` trimmed (it may be several characters or nothing). Cancelling
// writes nothing and shows nothing. Throws Failure when the file cannot be written; whatever
// stood at the path stays whole.
void exportCsv(const GridTable &digest, bool swapAxes, const QString &typedDelimiter, TextEncoding encoding, Ui &ui);

} // namespace DigestExport
