#pragma once

#include "ReportNoise.h"
#include "ReportSample.h"
#include "ServerShape.h"

#include <QStringList>

#include <optional>
#include <utility>

struct ServerActivity;

// Writes Sysmon reports in the layout of a 16.0 server in threaded mode: the header fields, then
// Kernel Utilization, Task Management, Transaction Profile, Lock Management, Data Cache
// Management, Disk I/O Management and Spinlock Activity, with figures that follow the sample's
// load and agree with each other (counts are rates times the sample's length, per-transaction
// figures are rates over the transaction rate, percentages are shares of their block). The same
// seed gives the same reports.
class ReportGenerator
{
public:
    ReportGenerator(ServerShape shape, quint32 seed);

    // A whole report, from the lines isql prints before the title to "End of Report".
    QStringList report(const ReportSample &sample);

    // The parts of a report, for a report that repeats its sections to grow long.
    void writeHeader(QStringList &out, const ReportSample &sample) const;
    void writeSections(QStringList &out, const ReportSample &sample);
    static void writeEnd(QStringList &out);

private:
    using NamedRate = std::pair<QString, double>;

    void kernel(QStringList &out, const ServerActivity &activity);
    void engineBusy(QStringList &out, const ServerActivity &activity);
    void runnableTasks(QStringList &out, const ServerActivity &activity);
    void cpuYields(QStringList &out, const ServerActivity &activity);
    void threadUtilization(QStringList &out, const ServerActivity &activity);
    void osContextSwitches(QStringList &out, const ServerActivity &activity);
    void taskManagement(QStringList &out, const ServerActivity &activity);
    void transactions(QStringList &out, const ServerActivity &activity);
    void locks(QStringList &out, const ServerActivity &activity);
    void dataCaches(QStringList &out, const ServerActivity &activity);
    void cache(QStringList &out, const ServerShape::Cache &cache, const ServerActivity &activity);
    void devices(QStringList &out, const ServerActivity &activity);
    void spinlocks(QStringList &out, const ServerActivity &activity);

    // Per second, per transaction, count and, when given, the percentage.
    QStringList figures(double perSec, std::optional<double> percent = std::nullopt) const;
    // One line per rate with its share of their sum; returns the sum.
    double shareLines(QStringList &out, const QString &indent, const QList<NamedRate> &rates);
    // The rule and the line that sums a block.
    void totalLines(QStringList &out, const QString &name, double perSec) const;

    ServerShape shape_;
    ReportNoise noise_;
    // Of the sample being written.
    int seconds_ = 1;
    double xactsPerSec_ = 1;
};
