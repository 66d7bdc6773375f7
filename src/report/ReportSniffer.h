#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Tells a Sysmon report from the other files a folder of reports holds (notes, counter sets,
// exports) by the beginning of its text, without reading it whole.
namespace ReportSniffer {

// The parser starts at the line holding this text, the report's title; a file without it gives
// the digest an empty column.
inline constexpr char16_t titleText[] = u"Sybase Adaptive Server Enterprise";

// The title stands within the first lines of a report; whatever the server printed before it (the
// isql prompt, DBCC messages) is far shorter than this. A folder of a year of reports holds tens
// of thousands of them, so no more is read of each.
inline constexpr qint64 beginningBytes = 16 * 1024;

// At most beginningBytes of the file as they are; nothing when it is no regular file or cannot be
// read.
QByteArray beginningOf(const QString &path);

// Whether the beginning of a text, decoded as a report is, holds the title.
bool holdsTitle(QStringView text);

// Whether the file is a Sysmon report: its beginning holds the title.
bool isSysmonReport(const QString &path);

} // namespace ReportSniffer
