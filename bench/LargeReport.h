#pragma once

#include <QStringList>

// A long Sysmon report in the layout of a 16.0 server, made of the sections that cost the parser
// most: engine CPU blocks of a threaded kernel, run queues, task switches, data caches, disk
// devices and spinlock lines, repeated until the report has at least `minimumLines` lines. Written
// by the demo's report generator with a big server's shape; the same on every call.
namespace LargeReport {

QStringList lines(int minimumLines);

// The spinlock lines of `spinlocks` spinlocks, "Resource->spin_0" on, each with a grab, a wait and
// a spin figure that depend on `seed`.
QStringList spinlockLines(int spinlocks, int seed);

} // namespace LargeReport
