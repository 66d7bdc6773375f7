#pragma once

#include <QString>
#include <QStringList>

// Puts a report file into report text: read whole, decoded by its byte-order mark or its bytes,
// split at CR LF, LF or CR, no empty last line from a final line break.
namespace ReportLoader {

// Throws Failure with a message for the user when the file cannot be opened or read.
QStringList load(const QString &path);

// "Loaded ..." followed by the last 31 characters of the path.
QString loadedStatus(const QString &path);

} // namespace ReportLoader
