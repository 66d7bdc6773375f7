#pragma once

#include "RowFigures.h"

#include <QString>
#include <QStringView>

struct ParserState;
class SectionRows;

// Writes one row of the section table at the row cursor from what a line yields, placing it by the
// current section, the subsection path and the entry name.
class RowWriter
{
public:
    RowWriter(ParserState &state, SectionRows &rows);

    // A report header line: the label up to and including its ':' and at most 100 characters of
    // the value after it.
    void headerField(QStringView line);

    // A counter line that ended before its third figure: never carries a thread pool.
    void shortRow(const RowFigures &figures);

    // Every other counter line and every engine CPU line.
    void generalRow(RowFigures figures);

private:
    void substituteLevel1();
    QString subsectionPath() const;
    void writeFigures(const RowFigures &figures, bool asCpuRow);

    ParserState &state_;
    SectionRows &rows_;
};
