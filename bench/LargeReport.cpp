#include "LargeReport.h"

#include "demo/ReportGenerator.h"
#include "demo/ReportLines.h"

#include <cmath>

namespace LargeReport {

QStringList lines(int minimumLines)
{
    ReportGenerator generator(ServerShape::large(), 1);
    ReportSample sample { QDateTime(QDate(2024, 6, 25), QTime(11, 12, 31), Qt::UTC), 45, 0.5 };
    QStringList out;
    generator.writeHeader(out, sample);
    for (int repeat = 0; out.size() < minimumLines; ++repeat) {
        // Loads that wander over the whole range, so that no two repeats are alike.
        sample.load = std::fmod(0.37 * repeat, 1.0);
        generator.writeSections(out, sample);
    }
    ReportGenerator::writeEnd(out);
    return out;
}

QStringList spinlockLines(int spinlocks, int seed)
{
    QStringList out;
    for (int s = 0; s < spinlocks; ++s) {
        const QString name = QStringLiteral("Resource->spin_%1").arg(s);
        for (const QString &kind :
             { QStringLiteral("spinlock_p"), QStringLiteral("spinlock_w"), QStringLiteral("spinlock_s") })
            out << ReportLines::spinlockLine(name, kind, (seed + s) % 997);
    }
    return out;
}

} // namespace LargeReport
