#pragma once

#include "ParserState.h"
#include "ReportLine.h"
#include "RowWriter.h"

#include <QString>

class ParseProgress;
class SectionRows;
class SpinlockSummary;

// Decides, line by line, what each line of a report is: noise, a report header field, a section
// heading or its underline, a subheading, the start of an engine CPU block, a device, a thread
// pool, or a value line whose figures become a row. The tests run in a fixed order and the first
// one that settles a line ends its handling; some only take note and let the line go on.
class LineScan
{
public:
    LineScan(SectionRows &rows, SpinlockSummary &spinlocks, ParseProgress &progress);

    // Throws Failure when a spinlock figure that has to be added is not an integer.
    void handle(qsizetype index, QStringView line);

private:
    bool isStartMarkerSeen(QStringView line);
    bool isAdviceText() const;
    bool isNoteInParentheses() const;
    void confirmSectionByUnderline();
    bool isHeadingLine() const;
    void headingLine();
    void nameDevice();
    bool isDeviceLine();
    bool startsCpuBlock();
    void endBlocksAtColumnHeadings();
    bool isWrappedText() const;
    void subheadingLine();
    void clearLevelsByIndent(int indent);
    void cpuValueLine();
    void counterLine();
    void clearLevelsByIndentOfValueLine(int indent);

    ParserState state_;
    SectionRows &rows_;
    SpinlockSummary &spinlocks_;
    ParseProgress &progress_;
    RowWriter writer_;
    ReportLine line_;
};
