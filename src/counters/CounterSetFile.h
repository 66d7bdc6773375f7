#pragma once

#include "common/FileKinds.h"
#include "common/TextEncoding.h"

#include <QString>
#include <QStringList>

#include <optional>

class GridTable;
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

// Reads a counter set file into the counter set, which it replaces, and returns the encoding the
// file was found in. The file is read before the counter set is touched, so a file that cannot be
// read leaves the user's counters as they were. The window reads regular files only; the command
// line may read a pipe. Throws Failure.
TextEncoding load(GridTable &counters, const QString &path, FileKinds kinds = FileKinds::RegularOnly);

// The same for a file the user names as a counter set (the command line's --counters), refused as
// Load Counters refuses a pick: a text without a single "[+]" is no counter set file, while an
// empty file is an empty counter set. Throws Failure.
TextEncoding loadPicked(GridTable &counters, const QString &path, FileKinds kinds);

// Writes rows 1.. of the counter set in `encoding`. Throws Failure.
void save(const GridTable &counters, const QString &path, TextEncoding encoding);

// Loads `SysmonCounters.ini` from the working folder at start-up and after Load Counters: no file
// leaves the counter set alone without a message; otherwise "Counters Loaded from
// SysmonCounters.ini", or the error box named `errorName`. Runs its own guard. Returns the encoding
// the file was found in, or nothing when no file was loaded.
std::optional<TextEncoding> loadDefault(GridTable &counters, Ui &ui, const QString &errorName);

// Save Counters: asks for a path with "*.ini" in the save dialog and writes the counter set there
// in `encoding`, then "Counters Exported to " + path. Cancelling writes nothing and shows nothing.
// Throws Failure when the file cannot be written; whatever stood at the path stays whole.
void saveCounters(const GridTable &counters, TextEncoding encoding, Ui &ui);

// Load Counters: the file picked in the open dialog replaces `SysmonCounters.ini` in the working
// folder, so that it is also the default at the next start, and the counter set is then reloaded
// from there; a cancelled dialog reloads the default as it stands. A pick that cannot be copied
// (unreadable, binary, too large, text without a single "[+]", or the default cannot be written;
// an empty file is an empty counter set) shows the error box named `copyErrorName` and leaves the
// counter set and the default file as they were; the reload shows loadDefault()'s, named
// `loadErrorName`. Runs its own guards; throws nothing. Returns what loadDefault() returns, nothing
// after a failed copy.
std::optional<TextEncoding> loadCounters(GridTable &counters, Ui &ui, const QString &copyErrorName,
                                         const QString &loadErrorName);

} // namespace CounterSetFile
