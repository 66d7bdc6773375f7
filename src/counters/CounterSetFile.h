#pragma once

#include <QString>
#include <QStringList>

class GridTable;
class TextLineList;
class Ui;

// Counter set files: one line per counter set row, each of the four cells followed by "[+]",
// lines ended by CR LF. The default counter set is `SysmonCounters.ini` in the working folder,
// looked up anew at every access.
namespace CounterSetFile {

inline constexpr char16_t separator[] = u"[+]";
inline constexpr char16_t defaultFileName[] = u"SysmonCounters.ini";

// Even a counter set holding every row of a report several times over stays far below a megabyte.
// A larger file is no counter set: one of many short lines would fill the counter set with
// millions of rows, taking the window's memory and many seconds, so it is refused before it is
// read. A device without an end (/dev/zero) is refused after this many bytes.
inline constexpr qint64 maxFileBytes = 8 * 1024 * 1024;

// Section + "[+]" + subsection path + "[+]" + entry name + "[+]" + type + "[+]".
QString lineOf(const GridTable &counters, int row);

// The file's lines for rows 1.. of the counter set, the blank row of an empty set included.
QStringList linesOf(const GridTable &counters);

// Takes four fields off the front of the line. A field is the text before the next "[+]"; when
// no "[+]" is left, the field is empty and the rest of the line loses its first two characters.
QStringList fieldsOf(const QString &line);

// Reads a counter set file into the counter set, which it replaces. The file is read before the
// counter set is touched, so a file that cannot be read, is binary or is larger than maxFileBytes
// leaves the user's counters as they were. Throws Failure.
void load(GridTable &counters, TextLineList &lineList, const QString &path);

// Writes rows 1.. of the counter set in the encoding `lineList` remembers. Throws Failure.
void save(const GridTable &counters, TextLineList &lineList, const QString &path);

// Loads `SysmonCounters.ini` from the working folder at start-up and after Load Counters: no file
// leaves the counter set alone without a message; otherwise "Counters Loaded from
// SysmonCounters.ini", or the error box of "LoadCountersFromIniFile". Runs its own guard.
void loadDefault(GridTable &counters, TextLineList &lineList, Ui &ui);

// Save Counters: asks for a path with "*.ini" in the save dialog and writes the counter set there,
// then "Counters Exported to " + path. Cancelling writes nothing and shows nothing. Throws Failure
// when the file cannot be written; whatever stood at the path stays whole.
void saveCounters(const GridTable &counters, TextLineList &lineList, Ui &ui);

// Load Counters: the file picked in the open dialog replaces `SysmonCounters.ini` in the working
// folder, so that it is also the default at the next start, and the counter set is then reloaded
// from there; a cancelled dialog reloads the default as it stands. A pick that cannot be copied
// (unreadable, not a counter set file, or the default cannot be written) shows the error box of
// "btLoadCountersClick" and leaves the counter set and the default file as they were. Runs its own
// guards; throws nothing.
void loadCounters(GridTable &counters, TextLineList &lineList, Ui &ui);

} // namespace CounterSetFile
