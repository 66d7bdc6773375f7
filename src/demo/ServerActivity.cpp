#include "ServerActivity.h"

#include "ReportNoise.h"
#include "ServerShape.h"

#include <algorithm>

namespace {

// The engines never share the work quite evenly: engine 0 takes the most.
double engineSkew(int engine)
{
    return double(2 - engine % 4) * 1.5;
}

QList<ServerActivity::Spinlock> spinlocksAt(double load, int count, ReportNoise &noise)
{
    QList<ServerActivity::Spinlock> spinlocks;
    for (int s = 0; s < count; ++s) {
        ServerActivity::Spinlock spinlock;
        spinlock.grabsPerSec = noise.around(4000.0 / double(s + 1) * (0.15 + load), 0.08);
        spinlock.contentionPercent = noise.around(double(1 + s % 4) * (0.2 + 3.0 * load * load), 0.1);
        spinlock.spinsPerWait = noise.around(40.0 + 160.0 * load, 0.1);
        spinlocks.append(spinlock);
    }
    return spinlocks;
}

} // namespace

ServerActivity ServerActivity::at(double load, const ServerShape &shape, ReportNoise &noise)
{
    ServerActivity activity;
    activity.load = std::clamp(load, 0.0, 1.0);
    const double l = activity.load;
    activity.xactsPerSec = noise.around(40.0 + 1400.0 * l, 0.03);
    for (int e = 0; e < shape.engines; ++e) {
        activity.engineUserBusy.append(std::clamp(4.0 + 80.0 * l + engineSkew(e) + noise.between(-2, 2), 0.5, 97.0));
        activity.engineSystemBusy.append(noise.around(0.8 + 2.2 * l, 0.2));
    }
    activity.lockRequestsPerSec = noise.around(32.0 * activity.xactsPerSec, 0.03);
    activity.lockContentionPercent = noise.around(0.3 + 4.5 * l * l * l, 0.08);
    activity.cacheSearchesPerSec = noise.around(2000.0 + 85.0 * activity.xactsPerSec, 0.03);
    activity.cacheHitPercent = std::min(99.99, 99.9 - 2.5 * l * l + noise.between(-0.05, 0.05));
    activity.dataWritesPerSec = noise.around(0.03 * activity.xactsPerSec + 1.0, 0.1);
    activity.logWritesPerSec = noise.around(0.33 * activity.xactsPerSec + 0.5, 0.05);
    activity.spinlocks = spinlocksAt(l, int(shape.spinlocks.size()), noise);
    return activity;
}
