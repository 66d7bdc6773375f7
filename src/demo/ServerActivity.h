#pragma once

#include <QList>

class ReportNoise;
struct ServerShape;

// What a server did during one sample, per second, at a given load: the headline figures that
// several sections of a report repeat (transactions, engine busy, lock requests, cache searches,
// disk I/O, spinlock traffic), worked out once so that the sections agree with each other.
struct ServerActivity
{
    struct Spinlock
    {
        double grabsPerSec = 0;
        double contentionPercent = 0;
        double spinsPerWait = 0;
    };

    double load = 0;
    double xactsPerSec = 0;
    QList<double> engineUserBusy; // % of each engine's ticks
    QList<double> engineSystemBusy;
    double lockRequestsPerSec = 0;
    double lockContentionPercent = 0;
    double cacheSearchesPerSec = 0;
    double cacheHitPercent = 0;
    double dataWritesPerSec = 0;
    double logWritesPerSec = 0;
    QList<Spinlock> spinlocks;

    // `load` runs from 0 (idle) to 1 (the busiest hour of a day); the figures follow it, each
    // scattered a little by `noise`. Contention grows faster than the load, as it does on a real
    // server nearing its limits.
    static ServerActivity at(double load, const ServerShape &shape, ReportNoise &noise);

    double cacheMissesPerSec() const { return cacheSearchesPerSec * (100.0 - cacheHitPercent) / 100.0; }
    double lockWaitsPerSec() const { return lockRequestsPerSec * lockContentionPercent / 100.0; }
};
