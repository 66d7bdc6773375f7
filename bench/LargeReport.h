#pragma once

#include <QStringList>

// A long Sysmon report in the layout of a 16.0 server, made of the sections that cost the parser
// most: engine CPU blocks of a threaded kernel, run queues, task switches, data caches, disk
// devices and spinlock lines, repeated until the report has at least `minimumLines` lines.
namespace LargeReport {

QStringList lines(int minimumLines);

} // namespace LargeReport
