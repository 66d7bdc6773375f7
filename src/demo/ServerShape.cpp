#include "ServerShape.h"

namespace {

QList<ServerShape::Device> dataDevices(const QString &server, int count)
{
    QList<ServerShape::Device> devices;
    for (int d = 0; d < count; ++d) {
        const QString number = QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0'));
        devices.append({ QStringLiteral("data_dev_") + number,
                         QStringLiteral("/opt/sap/data/ase/%1_DS_dev_%2.dat").arg(server, number), false });
    }
    return devices;
}

} // namespace

ServerShape ServerShape::demo()
{
    ServerShape shape;
    shape.serverName = QStringLiteral("DEMO");
    shape.engines = 4;
    shape.netControllers = 2;
    shape.caches = { { QStringLiteral("default data cache"), { 16, 128 }, 0.8 },
                     { QStringLiteral("tempdb_cache"), { 16 }, 0.2 } };
    shape.devices = dataDevices(shape.serverName, 2);
    shape.devices.append({ QStringLiteral("log_dev_00"), QStringLiteral("/opt/sap/data/ase/DEMO_log_00.dat"), true });
    shape.spinlocks = { QStringLiteral("Resource->rdesmgr_spin"), QStringLiteral("Dbtable->tablock_spin"),
                        QStringLiteral("Kernel->erunqspinlock"), QStringLiteral("Pdes->pdes_spin") };
    return shape;
}

ServerShape ServerShape::large()
{
    ServerShape shape;
    shape.serverName = QStringLiteral("TPCC");
    shape.engines = 16;
    shape.netControllers = 6;
    for (int c = 0; c < 4; ++c)
        shape.caches.append({ QStringLiteral("cache_%1").arg(c), { 16, 64, 128 }, 0.25 });
    shape.devices = dataDevices(shape.serverName, 24);
    for (int s = 0; s < 40; ++s)
        shape.spinlocks.append(QStringLiteral("Resource->spin_%1").arg(s));
    return shape;
}
