#pragma once

#include <QString>
#include <QStringView>

// Who watches a parse: the window shows its progress in the status bar, a test records it. It is
// told on the thread that parses, so an observer that shows anything on a window hands the texts
// over to the window's thread itself.
class ParseObserver
{
public:
    virtual ~ParseObserver() = default;

    // The line at `index` (from 0) of `lineCount` is the latest to reach the status step. `line` is
    // valid only during the call. Told now and then during the line scan, and always for the last
    // such line when the scan ends.
    virtual void lineReached(qsizetype index, qsizetype lineCount, QStringView line) = 0;
    // A message for status panel 1 after the line scan: "Setting Sysmon Categories...", then
    // "Single File Parsed".
    virtual void message(const QString &text) = 0;
};
