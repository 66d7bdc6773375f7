#include "ReportGenerator.h"

#include "ReportLines.h"
#include "ServerActivity.h"

#include <QLocale>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace ReportLines;

namespace {

const QString defaultPool = QStringLiteral("  ThreadPool : syb_default_pool");

// The month names of the report are English whatever the desktop's language.
QString dateText(const QDateTime &dateTime)
{
    return QLocale::c().toString(dateTime, QStringLiteral("MMM dd, yyyy"));
}

QString dateTimeText(const QDateTime &dateTime)
{
    return QLocale::c().toString(dateTime, QStringLiteral("MMM dd, yyyy hh:mm:ss"));
}

QString intervalText(int seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString headerField(const QString &label, const QString &value)
{
    return QString(label + u':').leftJustified(23) + value;
}

double sum(const QList<double> &values)
{
    return std::accumulate(values.begin(), values.end(), 0.0);
}

// The Total and Average lines under an engine block.
void summaryLines(QStringList &out, const QString &title, const QList<QList<double>> &rows)
{
    QList<double> totals(rows.value(0).size(), 0.0);
    for (const QList<double> &row : rows) {
        for (int i = 0; i < row.size(); ++i)
            totals[i] += row[i];
    }
    QList<double> averages;
    for (double total : totals)
        averages.append(total / double(std::max<qsizetype>(rows.size(), 1)));
    out << rule << cpuLine(QStringLiteral("  ") + title.leftJustified(18) + QStringLiteral("Total"), totals)
        << cpuLine(QStringLiteral("                    Average"), averages);
}

} // namespace

ReportGenerator::ReportGenerator(ServerShape shape, quint32 seed) : shape_(std::move(shape)), noise_(seed)
{ }

QStringList ReportGenerator::report(const ReportSample &sample)
{
    QStringList out { QStringLiteral("1> sp_sysmon \"%1\"").arg(intervalText(sample.seconds)), QStringLiteral("2> go"),
                      QString() };
    writeHeader(out, sample);
    writeSections(out, sample);
    writeEnd(out);
    return out;
}

void ReportGenerator::writeHeader(QStringList &out, const ReportSample &sample) const
{
    const QDateTime end = sample.start.addSecs(sample.seconds);
    out << sectionRule << QStringLiteral("      Sybase Adaptive Server Enterprise System Performance Report")
        << sectionRule << QString()
        << headerField(QStringLiteral("Server Version"),
                       QStringLiteral("Adaptive Server Enterprise/16.0 SP04 PL03/EBF 30399 SMP/"))
        << QStringLiteral("                       P/x86_64/SLES 12.4/ase160sp04pl03x/3587/64-bit/FBO/Wed A")
        << QStringLiteral("                       ug 24 01:39:32 2022")
        << headerField(QStringLiteral("Run Date"), dateText(sample.start))
        << headerField(QStringLiteral("Sampling Started at"), dateTimeText(sample.start))
        << headerField(QStringLiteral("Sampling Ended at"), dateTimeText(end))
        << headerField(QStringLiteral("Sample Interval"), intervalText(sample.seconds))
        << headerField(QStringLiteral("Sample Mode"), QStringLiteral("Reset Counters"))
        << headerField(QStringLiteral("Counters Last Cleared"), dateTimeText(sample.start))
        << headerField(QStringLiteral("Server Name"), shape_.serverName);
}

void ReportGenerator::writeSections(QStringList &out, const ReportSample &sample)
{
    const ServerActivity activity = ServerActivity::at(sample.load, shape_, noise_);
    seconds_ = std::max(sample.seconds, 1);
    xactsPerSec_ = activity.xactsPerSec;
    kernel(out, activity);
    taskManagement(out, activity);
    transactions(out, activity);
    locks(out, activity);
    dataCaches(out, activity);
    devices(out, activity);
    spinlocks(out, activity);
}

void ReportGenerator::writeEnd(QStringList &out)
{
    out << QString()
        << QStringLiteral("=============================== End of Report =================================")
        << QStringLiteral("(return status = 0)");
}

QStringList ReportGenerator::figures(double perSec, std::optional<double> percentOfTotal) const
{
    QStringList texts { rate(perSec), rate(perSec / xactsPerSec_), count(std::llround(perSec * seconds_)) };
    texts << (percentOfTotal ? percent(*percentOfTotal) : notAvailable);
    return texts;
}

double ReportGenerator::shareLines(QStringList &out, const QString &indent, const QList<NamedRate> &rates)
{
    double total = 0;
    for (const NamedRate &named : rates)
        total += named.second;
    for (const auto &[name, perSec] : rates)
        out << valueLine(indent, name, figures(perSec, total > 0 ? 100.0 * perSec / total : 0.0));
    return total;
}

void ReportGenerator::totalLines(QStringList &out, const QString &name, double perSec) const
{
    out << totalRule << valueLine(QStringLiteral("  "), name, figures(perSec).mid(0, 3));
}

void ReportGenerator::kernel(QStringList &out, const ServerActivity &activity)
{
    heading(out, QStringLiteral("Kernel Utilization"));
    engineBusy(out, activity);
    runnableTasks(out, activity);
    cpuYields(out, activity);
    threadUtilization(out, activity);
    osContextSwitches(out, activity);
}

void ReportGenerator::engineBusy(QStringList &out, const ServerActivity &activity)
{
    out << QStringLiteral("  Engine Utilization (Tick %)   User Busy   System Busy    I/O Busy        Idle") << rule
        << defaultPool;
    QList<QList<double>> rows;
    for (int e = 0; e < shape_.engines; ++e) {
        const double user = activity.engineUserBusy[e];
        const double system = activity.engineSystemBusy[e];
        rows.append({ user, system, 0.0, std::max(0.0, 100.0 - user - system) });
        out << cpuLine(QStringLiteral("   Engine %1").arg(e), rows.last());
    }
    summaryLines(out, QStringLiteral("Pool Summary"), rows);
    out << QString();
    summaryLines(out, QStringLiteral("Server Summary"), rows);
    out << QString() << QString();
}

void ReportGenerator::runnableTasks(QStringList &out, const ServerActivity &activity)
{
    out << QStringLiteral("  Average Runnable Tasks            1 min         5 min      15 min  % of total") << rule
        << defaultPool;
    QList<double> queues;
    for (int e = 0; e < shape_.engines; ++e)
        queues.append(noise_.around(0.05 + 1.8 * activity.load * activity.load, 0.3));
    const double total = sum(queues);
    out << valueLine(QStringLiteral("   "), QStringLiteral("Global Queue"), { rate(0), rate(0), rate(0), percent(0) });
    for (int e = 0; e < shape_.engines; ++e) {
        out << valueLine(
            QStringLiteral("   "), QStringLiteral("Engine %1").arg(e),
            { rate(queues[e]), rate(queues[e] * 0.9), rate(queues[e] * 0.8), percent(100.0 * queues[e] / total) });
    }
    out << totalRule
        << valueLine(QStringLiteral("  "), QStringLiteral("Pool Summary        Total"),
                     { rate(total), rate(total * 0.9), rate(total * 0.8) })
        << QString();
}

void ReportGenerator::cpuYields(QStringList &out, const ServerActivity &activity)
{
    out << QString() << QStringLiteral("  CPU Yields by Engine            ") + columns << rule << defaultPool;
    // An idle engine sleeps more.
    QList<double> sleeps;
    for (int e = 0; e < shape_.engines; ++e) {
        sleeps << noise_.around(20.0 + 100.0 * (1.0 - activity.load), 0.1)
               << noise_.around(60.0 + 800.0 * (1.0 - activity.load), 0.1);
    }
    const double total = sum(sleeps);
    for (int e = 0; e < shape_.engines; ++e) {
        const double full = sleeps[2 * e];
        const double interrupted = sleeps[2 * e + 1];
        out << QStringLiteral("   Engine %1").arg(e)
            << valueLine(QStringLiteral("      "), QStringLiteral("Full Sleeps"), figures(full, 100.0 * full / total))
            << valueLine(QStringLiteral("      "), QStringLiteral("Interrupted Sleeps"),
                         figures(interrupted, 100.0 * interrupted / total));
    }
    totalLines(out, QStringLiteral("Pool Summary"), total);
    out << QString();
}

void ReportGenerator::threadUtilization(QStringList &out, const ServerActivity &activity)
{
    out << QStringLiteral("  Thread Utilization (OS %)     User Busy   System Busy        Idle") << totalRule
        << QStringLiteral("  ThreadPool : syb_system_pool");
    QList<QList<double>> rows;
    for (int t = 0; t < shape_.netControllers; ++t) {
        const double user = noise_.around(1.0 + 4.0 * activity.load, 0.1);
        const double system = noise_.around(2.0 + 4.0 * activity.load, 0.1);
        rows.append({ user, system, 100.0 - user - system });
        out << cpuLine(QStringLiteral("   Thread %1   (NetController)").arg(t + 10), rows.last());
    }
    summaryLines(out, QStringLiteral("Pool Summary"), rows);
    const double cpuUnits = (sum(activity.engineUserBusy) + sum(activity.engineSystemBusy)) / 100.0;
    out << QString() << QStringLiteral("  Adaptive Server threads are consuming %1 CPU units.").arg(rate(cpuUnits))
        << QStringLiteral("  Throughput (committed xacts per CPU unit) : %1")
               .arg(rate(activity.xactsPerSec / std::max(cpuUnits, 0.1)))
        << QString();
}

// The block that follows the thread lines in a real report; its "per sec" heading also ends the
// CPU block, so that the engine lines of Task Management are counter lines again.
void ReportGenerator::osContextSwitches(QStringList &out, const ServerActivity &activity)
{
    out << QString();
    titledColumns(out, QStringLiteral("Context Switches at OS"));
    out << defaultPool;
    const double voluntary = noise_.around(5.2 * activity.xactsPerSec, 0.05);
    const double involuntary = noise_.around(0.5 + 2.0 * activity.load * activity.load, 0.3);
    const double total =
        shareLines(out, QStringLiteral("   "),
                   { { QStringLiteral("Voluntary"), voluntary }, { QStringLiteral("Non-Voluntary"), involuntary } });
    out << rule << valueLine(QStringLiteral("   "), QStringLiteral("Total Context Switches"), figures(total, 100.0))
        << QString();
}

void ReportGenerator::taskManagement(QStringList &out, const ServerActivity &activity)
{
    const double x = activity.xactsPerSec;
    out << QString() << sectionRule << QString() << QStringLiteral("Task Management").leftJustified(34) + columns
        << QStringLiteral("---------------------------  ------------  ------------  ----------  ----------")
        << QString()
        << valueLine(QStringLiteral("  "), QStringLiteral("Connections Opened"),
                     figures(noise_.around(0.2 + 2.0 * activity.load, 0.3)))
        << QString() << QStringLiteral("  Task Context Switches by Engine") << QString() << defaultPool;
    QList<NamedRate> engines;
    for (int e = 0; e < shape_.engines; ++e)
        engines.append({ QStringLiteral("Engine %1").arg(e), noise_.around(15.7 * x / shape_.engines, 0.05) });
    const double switches = shareLines(out, QStringLiteral("    "), engines);
    totalLines(out, QStringLiteral("Pool Summary        Total"), switches);
    out << QString();
    totalLines(out, QStringLiteral("  Total Task Switches:"), switches);

    out << QString() << QStringLiteral("  Task Context Switches Due To:");
    const QList<NamedRate> causes {
        { QStringLiteral("Voluntary Yields"), noise_.around(0.33 * x, 0.1) },
        { QStringLiteral("Cache Search Misses"), activity.cacheMissesPerSec() },
        { QStringLiteral("Exceeding I/O batch size"), noise_.around(0.0005 * x, 0.3) },
        { QStringLiteral("System Disk Writes"), activity.dataWritesPerSec },
        { QStringLiteral("Logical Lock Contention"), activity.lockWaitsPerSec() },
        { QStringLiteral("Address Lock Contention"), noise_.around(0.0001 * x, 0.5) },
        { QStringLiteral("Latch Contention"), noise_.around(0.03 * x * activity.load, 0.2) },
        { QStringLiteral("Log Semaphore Contention"), noise_.around(0.3 * x * activity.load, 0.1) },
        { QStringLiteral("PLC Lock Contention"), noise_.around(0.028 * x * activity.load, 0.2) },
        { QStringLiteral("Group Commit Sleeps"), noise_.around(0.68 * x, 0.05) },
        { QStringLiteral("Last Log Page Writes"), noise_.around(0.31 * x, 0.05) },
        { QStringLiteral("Modify Conflicts"), noise_.around(0.39 * x, 0.05) },
        { QStringLiteral("I/O Device Contention"), 0.0 },
        { QStringLiteral("Network Packet Received"), noise_.around(12.8 * x, 0.02) },
        { QStringLiteral("Network Packet Sent"), noise_.around(0.0065 * x, 0.2) },
        { QStringLiteral("Other Causes"), noise_.around(1.0, 0.5) },
    };
    shareLines(out, QStringLiteral("    "), causes);
    out << QString() << QStringLiteral("  Tuning Recommendations for Task Management")
        << QStringLiteral("  ------------------------------------------")
        << QStringLiteral("  - Consider tuning your Network I/O sub-system.") << QString();
}

void ReportGenerator::transactions(QStringList &out, const ServerActivity &activity)
{
    const double x = activity.xactsPerSec;
    heading(out, QStringLiteral("Transaction Profile"));
    titledColumns(out, QStringLiteral("Transaction Summary"));
    out << valueLine(QStringLiteral("    "), QStringLiteral("Committed Xacts"),
                     { rate(x), notAvailable, count(std::llround(x * seconds_)), notAvailable })
        << QString();
    titledColumns(out, QStringLiteral("Transaction Detail"));
    const QList<NamedRate> rows { { QStringLiteral("Total Rows Inserted"), noise_.around(2.7 * x, 0.05) },
                                  { QStringLiteral("Total Rows Updated"), noise_.around(4.3 * x, 0.05) },
                                  { QStringLiteral("Total Rows Deleted"), noise_.around(0.17 * x, 0.1) } };
    const double affected = shareLines(out, QStringLiteral("    "), rows);
    out << QStringLiteral("  =========================  ============  ============  ==========")
        << valueLine(QStringLiteral("  "), QStringLiteral("Total Rows Affected"), figures(affected).mid(0, 3))
        << QStringLiteral("  =========================  ============  ============  ==========");
}

void ReportGenerator::locks(QStringList &out, const ServerActivity &activity)
{
    heading(out, QStringLiteral("Lock Management"));
    titledColumns(out, QStringLiteral("Lock Summary"));
    out << valueLine(QStringLiteral("  "), QStringLiteral("Total Lock Requests"), figures(activity.lockRequestsPerSec))
        << valueLine(QStringLiteral("  "), QStringLiteral("Avg Lock Contention"),
                     figures(activity.lockWaitsPerSec(), activity.lockContentionPercent))
        << valueLine(QStringLiteral("  "), QStringLiteral("Deadlock Percentage"), figures(0.0, 0.0)) << QString();
    titledColumns(out, QStringLiteral("Lock Detail"));
    // Row locks take most requests and nearly all the waits.
    const QList<std::pair<QString, QString>> kinds { { QStringLiteral("Exclusive Row"), QStringLiteral("EX-Row") },
                                                     { QStringLiteral("Shared Row"), QStringLiteral("SH-Row") } };
    const double shares[] = { 0.25, 0.35 };
    const double waitShares[] = { 0.9, 0.1 };
    for (int k = 0; k < 2; ++k) {
        const double requests = activity.lockRequestsPerSec * shares[k];
        const double waited = std::min(requests, activity.lockWaitsPerSec() * waitShares[k]);
        out << QString() << QStringLiteral("  ") + kinds[k].first
            << valueLine(QStringLiteral("    "), QStringLiteral("Granted"),
                         figures(requests - waited, 100.0 * (requests - waited) / requests))
            << valueLine(QStringLiteral("    "), QStringLiteral("Waited"), figures(waited, 100.0 * waited / requests))
            << rule
            << valueLine(QStringLiteral("  "), QStringLiteral("Total %1 Requests").arg(kinds[k].second),
                         figures(requests, 100.0 * shares[k]));
    }
}

void ReportGenerator::dataCaches(QStringList &out, const ServerActivity &activity)
{
    heading(out, QStringLiteral("Data Cache Management"));
    out << QStringLiteral("  Cache Statistics Summary (All Caches)")
        << QStringLiteral("  -------------------------------------")
        << QStringLiteral("                                  ") + columns
        << QStringLiteral("                             ------------  ------------  ----------  ----------")
        << QString() << QStringLiteral("    Cache Search Summary");
    const double hits = activity.cacheSearchesPerSec - activity.cacheMissesPerSec();
    shareLines(out, QStringLiteral("      "),
               { { QStringLiteral("Total Cache Hits"), hits },
                 { QStringLiteral("Total Cache Misses"), activity.cacheMissesPerSec() } });
    totalLines(out, QStringLiteral("  Total Cache Searches"), activity.cacheSearchesPerSec);
    out << QString();
    for (const ServerShape::Cache &each : shape_.caches)
        cache(out, each, activity);
}

void ReportGenerator::cache(QStringList &out, const ServerShape::Cache &cache, const ServerActivity &activity)
{
    const double searches = activity.cacheSearchesPerSec * cache.searchShare;
    const double hitPercent = std::min(99.99, activity.cacheHitPercent + noise_.between(-0.1, 0.1));
    const double misses = searches * (100.0 - hitPercent) / 100.0;
    const double spinlockContention = noise_.around(0.3 + 6.0 * activity.load * activity.load * cache.searchShare, 0.1);
    const QString na(notAvailable);
    out << blockRule << QStringLiteral("  Cache: ") + cache.name
        << QStringLiteral("                                  ") + columns << rule
        << valueLine(QStringLiteral("    "), QStringLiteral("Spinlock Contention"),
                     { na, na, na, percent(spinlockContention) })
        << QString()
        << valueLine(QStringLiteral("    "), QStringLiteral("Utilization"),
                     { na, na, na, percent(100.0 * cache.searchShare) })
        << QString() << QStringLiteral("    Cache Searches")
        << valueLine(QStringLiteral("      "), QStringLiteral("Cache Hits"), figures(searches - misses, hitPercent))
        << valueLine(QStringLiteral("         "), QStringLiteral("Found in Wash"),
                     figures(noise_.around(0.0005 * searches, 0.2), 0.0))
        << valueLine(QStringLiteral("      "), QStringLiteral("Cache Misses"), figures(misses, 100.0 - hitPercent));
    totalLines(out, QStringLiteral("  Total Cache Searches"), searches);
    out << QString() << QStringLiteral("    Pool Turnover");
    double turnover = 0;
    for (int pool : cache.poolKilobytes) {
        const double grabs = misses / double(cache.poolKilobytes.size()) * noise_.around(1.0, 0.1);
        turnover += grabs;
        out << QStringLiteral("      %1 Kb Pool").arg(pool)
            << valueLine(QStringLiteral("          "), QStringLiteral("LRU Buffer Grab"), figures(grabs, 100.0))
            << valueLine(QStringLiteral("            "), QStringLiteral("Grabbed Dirty"), figures(0.0, 0.0));
    }
    totalLines(out, QStringLiteral("  Total Cache Turnover"), turnover);
    out << QString();
}

void ReportGenerator::devices(QStringList &out, const ServerActivity &activity)
{
    heading(out, QStringLiteral("Disk I/O Management"));
    qsizetype dataDevices = std::count_if(shape_.devices.begin(), shape_.devices.end(),
                                          [](const ServerShape::Device &device) { return !device.log; });
    dataDevices = std::max<qsizetype>(dataDevices, 1);
    const double reads = activity.cacheMissesPerSec();
    const double allIos = reads + activity.dataWritesPerSec + activity.logWritesPerSec;
    out << valueLine(QStringLiteral("  "), QStringLiteral("Total Requested Disk I/Os"), figures(allIos).mid(0, 3))
        << QString() << QStringLiteral("  Device Activity Detail") << QStringLiteral("  ----------------------")
        << QString();
    for (const ServerShape::Device &device : shape_.devices) {
        const double apf = device.log ? 0.0 : noise_.around(0.2 * reads / double(dataDevices), 0.2);
        const double nonApf = device.log ? 0.0 : noise_.around(0.8 * reads / double(dataDevices), 0.1);
        const double writes =
            device.log ? activity.logWritesPerSec : noise_.around(activity.dataWritesPerSec / double(dataDevices), 0.1);
        const double ios = apf + nonApf + writes;
        const auto share = [&](double part) {
            return ios > 0 ? 100.0 * part / ios : 0.0;
        };
        out << QStringLiteral("  Device:") << QStringLiteral("    ") + device.physicalName
            << QString(QStringLiteral("    ") + device.logicalName).leftJustified(34) + columns << rule
            << QStringLiteral("    Reads")
            << valueLine(QStringLiteral("      "), QStringLiteral("APF"), figures(apf, share(apf)))
            << valueLine(QStringLiteral("      "), QStringLiteral("Non-APF"), figures(nonApf, share(nonApf)))
            << valueLine(QStringLiteral("    "), QStringLiteral("Writes"), figures(writes, share(writes))) << rule
            << valueLine(QStringLiteral("  "), QStringLiteral("Total I/Os"), figures(ios, 100.0 * ios / allIos))
            << QString() << QString()
            << QStringLiteral("  -----------------------------------------------------------------------------")
            << QString();
    }
}

void ReportGenerator::spinlocks(QStringList &out, const ServerActivity &activity)
{
    heading(out, QStringLiteral("Spinlock Activity"));
    for (int s = 0; s < shape_.spinlocks.size(); ++s) {
        const ServerActivity::Spinlock &spinlock = activity.spinlocks[s];
        const qint64 grabs = std::llround(spinlock.grabsPerSec * seconds_);
        const qint64 waits = std::llround(double(grabs) * spinlock.contentionPercent / 100.0);
        const qint64 spins = std::llround(double(waits) * spinlock.spinsPerWait);
        out << spinlockLine(shape_.spinlocks[s], QStringLiteral("spinlock_p"), grabs)
            << spinlockLine(shape_.spinlocks[s], QStringLiteral("spinlock_w"), waits)
            << spinlockLine(shape_.spinlocks[s], QStringLiteral("spinlock_s"), spins);
    }
}
