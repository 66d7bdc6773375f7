#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

// The sample time in row 0 of a digest report column, as the chart reads it. The digest run writes
// either the report header's sampling start, like "Mar 12, 2013 14:11:03", or with "Ti&me Only"
// its last nine characters, like " 14:11:03". Any text at all may stand there, so the conversion
// either succeeds or throws Failure; it never crashes and never loops on what it reads.
namespace SampleTimeConversion {

// The day-first text that the month-name form stands for: "Mar 12, 2013 14:11:03" gives
// "12/3/2013 14:11:03". The pieces sit at fixed places around the first comma (the day in the
// three characters before it, the year in the five after it, the time in the last nine) and are
// trimmed; a month name outside the list counts as January.
QString dayFirstText(QStringView sampleTime);

// The sample time as a wall-clock date-time in UTC. With `timeOnly` the trimmed text is a time of
// day "h:m:s" on one fixed day, so reports of different days order by their time of day only;
// otherwise the day-first text above, read day first. Throws Failure with a message such as
// "'12/3/2013 14:11:0x' is not a valid date and time".
QDateTime toDateTime(QStringView sampleTime, bool timeOnly);

} // namespace SampleTimeConversion
