#include "LargeReport.h"

namespace LargeReport {

namespace {

constexpr int engines = 16;
const QString rule = QStringLiteral("  -------------------------  ------------  ------------  ----------  ----------");
const QString columns = QStringLiteral("per sec      per xact       count  % of total");

// A number that changes from line to line, so that no two rows are alike.
double figure(int seed, double scale)
{
    return double((seed * 7919) % 10007) * scale;
}

QString counterLine(const QString &indent, const QString &name, int seed)
{
    return QString::asprintf("%-34s%12.1f  %12.1f  %10d  %8.1f %%", qPrintable(indent + name), figure(seed, 0.7),
                             figure(seed, 0.01), (seed * 7919) % 1000003, figure(seed, 0.009));
}

QString cpuLine(const QString &name, int seed, int percentages)
{
    QString line = QString::asprintf("%-32s", qPrintable(name));
    for (int i = 0; i < percentages; ++i)
        line += QString::asprintf("  %11.1f %%", figure(seed + i, 0.0099));
    return line;
}

void heading(QStringList &out, const QString &title)
{
    out << QString()
        << QStringLiteral("===============================================================================")
        << QString() << title << QString(title.size(), u'-') << QString();
}

void header(QStringList &out)
{
    out << QStringLiteral("===============================================================================")
        << QStringLiteral("      Sybase Adaptive Server Enterprise System Performance Report")
        << QStringLiteral("===============================================================================")
        << QString()
        << QStringLiteral("Server Version:        Adaptive Server Enterprise/16.0 SP04 PL03/EBF 30399 SMP/")
        << QStringLiteral("                       P/x86_64/SLES 12.4/ase160sp04pl03x/3587/64-bit/FBO/Wed A")
        << QStringLiteral("                       ug 24 01:39:32 2022")
        << QStringLiteral("Run Date:              Jun 25, 2024")
        << QStringLiteral("Sampling Started at:   Jun 25, 2024 11:12:31")
        << QStringLiteral("Sampling Ended at:     Jun 25, 2024 11:13:16")
        << QStringLiteral("Sample Interval:       00:00:45") << QStringLiteral("Sample Mode:           No Clear")
        << QStringLiteral("Counters Last Cleared: Jun 25, 2024 10:47:22")
        << QStringLiteral("Server Name:           TPCC");
}

void kernel(QStringList &out, int seed)
{
    heading(out, QStringLiteral("Kernel Utilization"));
    out << QStringLiteral("  Engine Utilization (Tick %)   User Busy   System Busy    I/O Busy        Idle") << rule
        << QStringLiteral("  ThreadPool : syb_default_pool");
    for (int e = 0; e < engines; ++e)
        out << cpuLine(QStringLiteral("   Engine %1").arg(e), seed + e, 4);
    out << rule << cpuLine(QStringLiteral("  Pool Summary        Total"), seed, 4)
        << cpuLine(QStringLiteral("                    Average"), seed + 1, 4) << QString() << rule
        << cpuLine(QStringLiteral("  Server Summary      Total"), seed, 4)
        << cpuLine(QStringLiteral("                    Average"), seed + 1, 4) << QString() << QString();

    out << QStringLiteral("  Average Runnable Tasks            1 min         5 min      15 min  % of total") << rule
        << QStringLiteral("  ThreadPool : syb_default_pool");
    for (int e = 0; e < engines; ++e)
        out << counterLine(QStringLiteral("   "), QStringLiteral("Engine %1").arg(e), seed + e);
    out << QString();

    out << QStringLiteral("  CPU Yields by Engine            ") + columns << rule
        << QStringLiteral("  ThreadPool : syb_default_pool");
    for (int e = 0; e < engines; ++e) {
        out << QStringLiteral("   Engine %1").arg(e)
            << counterLine(QStringLiteral("      "), QStringLiteral("Full Sleeps"), seed + e)
            << counterLine(QStringLiteral("      "), QStringLiteral("Interrupted Sleeps"), seed + e + 1);
    }
    out << QStringLiteral("  -------------------------  ------------  ------------  ----------")
        << QStringLiteral("  Pool Summary                     5911.3           4.8      266008") << QString();

    out << QStringLiteral("  Thread Utilization (OS %)     User Busy   System Busy        Idle")
        << QStringLiteral("  -------------------------  ------------  ------------  ----------")
        << QStringLiteral("  ThreadPool : syb_system_pool");
    for (int t = 0; t < 6; ++t)
        out << cpuLine(QStringLiteral("   Thread %1   (NetController)").arg(t + 10), seed + t, 3);
    out << QStringLiteral("  Adaptive Server threads are consuming 2.3 CPU units.") << QString();
}

void taskManagement(QStringList &out, int seed)
{
    out << QString() << QStringLiteral("Task Management                   ") + columns
        << QStringLiteral("---------------------------  ------------  ------------  ----------  ----------")
        << QString() << counterLine(QStringLiteral("  "), QStringLiteral("Connections Opened"), seed)
        << QStringLiteral("  Task Context Switches Due To:");
    const char *causes[] = { "Voluntary Yields",      "Cache Search Misses",      "Exceeding I/O batch size",
                             "System Disk Writes",    "Logical Lock Contention",  "Address Lock Contention",
                             "Latch Contention",      "Log Semaphore Contention", "PLC Lock Contention",
                             "Group Commit Sleeps",   "Last Log Page Writes",     "Modify Conflicts",
                             "I/O Device Contention", "Network Packet Received",  "Network Packet Sent",
                             "Other Causes" };
    int i = 0;
    for (const char *cause : causes)
        out << counterLine(QStringLiteral("    "), QString::fromLatin1(cause), seed + i++);
    out << QStringLiteral("  Tuning Recommendations for Task Management")
        << QStringLiteral("  - Consider tuning the 'number of engines at startup' parameter.");
}

void dataCaches(QStringList &out, int seed)
{
    heading(out, QStringLiteral("Data Cache Management"));
    for (int c = 0; c < 4; ++c) {
        out << QStringLiteral("-------------------------------------------------------------------------------")
            << QStringLiteral("  Cache: cache_%1").arg(c)
            << QStringLiteral("                                  ") + columns << rule
            << QStringLiteral("    Spinlock Contention               n/a           n/a         n/a       1.5 %")
            << QString() << QStringLiteral("    Cache Searches")
            << counterLine(QStringLiteral("      "), QStringLiteral("Cache Hits"), seed + c)
            << counterLine(QStringLiteral("         "), QStringLiteral("Found in Wash"), seed + c + 1)
            << counterLine(QStringLiteral("      "), QStringLiteral("Cache Misses"), seed + c + 2)
            << QStringLiteral("  -------------------------  ------------  ------------  ----------")
            << QStringLiteral("    Total Cache Searches         106020.8          85.4     4770936") << QString()
            << QStringLiteral("    Pool Turnover");
        for (int pool : { 16, 64, 128 }) {
            out << QStringLiteral("      %1 Kb Pool").arg(pool)
                << counterLine(QStringLiteral("          "), QStringLiteral("LRU Buffer Grab"), seed + pool)
                << counterLine(QStringLiteral("            "), QStringLiteral("Grabbed Dirty"), seed + pool + 1);
        }
        out << QStringLiteral("  -------------------------  ------------  ------------  ----------")
            << QStringLiteral("    Total Cache Turnover           5483.8           4.4      246771") << QString();
    }
}

void devices(QStringList &out, int seed)
{
    heading(out, QStringLiteral("Disk I/O Management"));
    out << QStringLiteral("  Device Activity Detail") << QStringLiteral("  ----------------------") << QString();
    for (int d = 0; d < 24; ++d) {
        out << QStringLiteral("  Device:") << QStringLiteral("    /opt/sap/data/ase/TPCC_DS_dev_%1.dat").arg(d)
            << QStringLiteral("    data_dev_%1                   ").arg(d, 2, 10, QLatin1Char('0')) + columns << rule
            << QStringLiteral("    Reads") << counterLine(QStringLiteral("      "), QStringLiteral("APF"), seed + d)
            << counterLine(QStringLiteral("      "), QStringLiteral("Non-APF"), seed + d + 1)
            << counterLine(QStringLiteral("    "), QStringLiteral("Writes"), seed + d + 2) << rule
            << counterLine(QStringLiteral("  "), QStringLiteral("Total I/Os"), seed + d + 3) << QString() << QString()
            << QStringLiteral("  -----------------------------------------------------------------------------")
            << QString();
    }
}

void spinlocks(QStringList &out, int seed)
{
    heading(out, QStringLiteral("Spinlock Activity"));
    out << spinlockLines(40, seed);
}

} // namespace

QStringList spinlockLines(int spinlocks, int seed)
{
    QStringList out;
    const char *kinds[] = { "spinlock_p", "spinlock_w", "spinlock_s" };
    for (int s = 0; s < spinlocks; ++s) {
        for (const char *kind : kinds)
            out << QStringLiteral(" Resource->spin_%1 %2 %3")
                       .arg(s)
                       .arg(QString::fromLatin1(kind))
                       .arg((seed + s) % 997);
    }
    return out;
}

QStringList lines(int minimumLines)
{
    QStringList out;
    header(out);
    for (int seed = 1; out.size() < minimumLines; ++seed) {
        kernel(out, seed);
        taskManagement(out, seed);
        dataCaches(out, seed);
        devices(out, seed);
        spinlocks(out, seed);
    }
    out << QString() << QStringLiteral("End of Report");
    return out;
}

} // namespace LargeReport
