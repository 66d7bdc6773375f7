#pragma once

#include <QList>
#include <QStringList>

// The counter set of the demo: the counters a DBA watches over a day, named as the section table
// of a demo report names them, each with the counter type that picks its figure.
namespace DemoCounters {

// Section, subsection path, entry name and counter type of each counter, in counter set order.
QList<QStringList> rows();

// The lines of demo-counters.ini, a counter set file.
QStringList fileLines();

} // namespace DemoCounters
