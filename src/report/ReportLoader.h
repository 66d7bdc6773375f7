#pragma once

#include "common/FileKinds.h"
#include "common/TextLines.h"

#include <QString>

// Puts a report file into report text: read whole, decoded by its byte-order mark or its bytes,
// split at CR LF, LF or CR, no empty last line from a final line break.
namespace ReportLoader {

// A Sysmon report runs to a few hundred kilobytes. A file far larger is no report, and reading it
// would take many seconds and gigabytes, so it is refused.
inline constexpr qint64 maxReportBytes = 64 * 1024 * 1024;

// Throws Failure with a message for the user when the file cannot be opened or read, is not of
// `kinds` (the window takes regular files only), or is larger than maxReportBytes.
TextLines load(const QString &path, FileKinds kinds = FileKinds::RegularOnly);

// "Loaded ..." followed by the last 31 characters of the path.
QString loadedStatus(const QString &path);

} // namespace ReportLoader
