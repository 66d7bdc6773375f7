#pragma once

#include <QString>
#include <QStringView>

// Tells a Sysmon report from the other files a folder of reports holds (notes, counter sets,
// exports) by the beginning of its text, without reading it whole. A gzip-compressed report is
// told by the beginning of its decompressed text.
namespace ReportSniffer {

// The parser starts at the line holding this text, the report's title; a file without it gives
// the digest an empty column.
inline constexpr char16_t titleText[] = u"Sybase Adaptive Server Enterprise";

// The title stands within the first lines of a report; whatever the server printed before it (the
// isql prompt, DBCC messages) is far shorter than this. A folder of a year of reports holds tens
// of thousands of them, so no more is read of each.
inline constexpr qsizetype beginningCharacters = 16 * 1024;

// Whether the beginning of a text holds the title.
bool holdsTitle(QStringView text);

// Whether the file is a Sysmon report: its beginning holds the title. A FIFO, a device or a file
// that cannot be read is none.
bool isSysmonReport(const QString &path);

} // namespace ReportSniffer
