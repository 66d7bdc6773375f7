#pragma once

#include "SubsectionLevels.h"

#include <QString>

// What the earlier lines of a report have established for the lines that follow. Set up afresh
// for every parse; nothing survives from one report to the next.
struct ParserState
{
    // The title line "Sybase Adaptive Server Enterprise ..." has been seen: everything before it
    // (the isql prompt, DBCC messages) is ignored.
    bool started = false;

    // Column 0 of counter and CPU rows: the last heading confirmed by an underline.
    QString currentSection;
    // The last heading line; it becomes the current section when an underline follows.
    QString sectionCandidate;
    bool candidatePending = false;

    SubsectionLevels levels;

    // In disk sections, rows are prefixed by the device a "Device:" block names.
    QString deviceName;
    bool devicePending = false;

    // Inside an engine CPU block, value lines carry percentages.
    bool cpuBlock = false;

    // A "ThreadPool : ..." line has been seen (the kernel runs in threaded mode); stays set.
    bool threaded = false;
    // The last "ThreadPool : ..." line, appended to the entry names of the rows below it.
    QString threadPoolHeading;
};
