#pragma once

#include "common/FileKinds.h"
#include "common/TextLines.h"

#include <QString>

// Puts a report file into report text: read whole, decompressed when its bytes are gzip-compressed,
// decoded by its byte-order mark or its bytes, split at CR LF, LF or CR, no empty last line from a
// final line break.
namespace ReportLoader {

// A Sysmon report runs to a few hundred kilobytes. A file far larger is no report, and reading it
// would take many seconds and gigabytes, so it is refused.
inline constexpr qint64 maxReportBytes = 64 * 1024 * 1024;

// Throws Failure with a message for the user when the file cannot be opened or read, is not of
// `kinds` (the window takes regular files only), or is larger than maxReportBytes, compressed or
// decompressed; a gzip-compressed file also when its data is cut off or damaged.
TextLines load(const QString &path, FileKinds kinds = FileKinds::RegularOnly);

// The first `maxCharacters` characters of a regular file's text (all of a shorter one), read and
// decompressed as load() does, with the file's own line breaks: enough to tell a report from other
// files without reading it whole. A compressed file that is cut off or damaged gives what comes
// before the fault; only a file that cannot be opened or read throws Failure. The beginning is
// decoded on its own, so a file whose first invalid UTF-8 comes later is decoded as UTF-8 here.
QString head(const QString &path, qsizetype maxCharacters);

// "Loaded ..." followed by the last 31 characters of the path.
QString loadedStatus(const QString &path);

} // namespace ReportLoader
