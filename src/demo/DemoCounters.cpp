#include "DemoCounters.h"

#include "counters/CounterSet.h"
#include "counters/CounterSetFile.h"
#include "grid/GridTable.h"

namespace DemoCounters {

namespace {

const QString kernel = QStringLiteral("Kernel Utilization");
const QString engineBusy = QStringLiteral("Engine Utilization (Tick %)...");
const QString locks = QStringLiteral("Lock Management");
const QString caches = QStringLiteral("Data Cache Management");
const QString defaultCache = QStringLiteral("Cache: default data cache...");
const QString defaultCacheSearches = QStringLiteral("Cache: default data cache.Cache Searches..");
const QString switchesDueTo = QStringLiteral("Task Context Switches Due To:...");

QStringList engine(int number)
{
    return { kernel, engineBusy, QStringLiteral("Engine %1.ThreadPool : syb_default_pool").arg(number),
             QStringLiteral("CPU %") };
}

} // namespace

// The first two are the pair to chart: the engines' average busy against committed transactions.
QList<QStringList> rows()
{
    return {
        { kernel, engineBusy, QStringLiteral("Average"), QStringLiteral("CPU %") },
        { QStringLiteral("Transaction Profile"), QStringLiteral("Transaction Summary..."),
          QStringLiteral("Committed Xacts"), QStringLiteral("PerSec") },
        engine(0),
        engine(1),
        engine(2),
        engine(3),
        { kernel, QStringLiteral("Context Switches at OS..."),
          QStringLiteral("Total Context Switches.ThreadPool : syb_default_pool"), QStringLiteral("PerSec") },
        { QStringLiteral("Task Management"), QStringLiteral("..."), QStringLiteral("Total Task Switches:"),
          QStringLiteral("PerSec") },
        { QStringLiteral("Task Management"), switchesDueTo, QStringLiteral("Logical Lock Contention"),
          QStringLiteral("PerSec") },
        { QStringLiteral("Task Management"), switchesDueTo, QStringLiteral("Cache Search Misses"),
          QStringLiteral("PerSec") },
        { locks, QStringLiteral("..."), QStringLiteral("Total Lock Requests"), QStringLiteral("PerSec") },
        { locks, QStringLiteral("..."), QStringLiteral("Avg Lock Contention"), QStringLiteral("% Total") },
        { locks, QStringLiteral("Exclusive Row..."), QStringLiteral("Waited"), QStringLiteral("PerSec") },
        { caches, defaultCacheSearches, QStringLiteral("Cache Hits"), QStringLiteral("% Total") },
        { caches, defaultCacheSearches, QStringLiteral("Cache Misses"), QStringLiteral("PerSec") },
        { caches, defaultCache, QStringLiteral("Spinlock Contention"), QStringLiteral("% Total") },
        { QStringLiteral("Disk I/O Management"), QStringLiteral("data_dev_00...."), QStringLiteral("Total I/Os"),
          QStringLiteral("PerSec") },
        { QStringLiteral("Disk I/O Management"), QStringLiteral("log_dev_00...."), QStringLiteral("Writes"),
          QStringLiteral("PerSec") },
        { QStringLiteral("Spinlocks"), QStringLiteral("Resource->rdesmgr_spin"), QString(), QStringLiteral("% Contn") },
        { QStringLiteral("Spinlocks"), QStringLiteral("Dbtable->tablock_spin"), QString(),
          QStringLiteral("Spin/Wait") },
    };
}

QStringList fileLines()
{
    GridTable counters(CounterSet::columnCount);
    CounterSet::reset(counters);
    for (const QStringList &row : rows())
        CounterSet::append(counters, row);
    return CounterSetFile::linesOf(counters);
}

} // namespace DemoCounters
