#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a generated report's server has: its name, engines, network threads, data caches, disk
// devices and the spinlocks it reports. The generator writes one block per item, so the shape
// decides a report's length.
struct ServerShape
{
    struct Cache
    {
        QString name;
        QList<int> poolKilobytes;
        // The cache's part of all cache searches.
        double searchShare = 1.0;
    };

    struct Device
    {
        QString logicalName;
        QString physicalName;
        // A log device takes the log writes of every transaction; a data device takes the reads.
        bool log = false;
    };

    QString serverName;
    int engines = 4;
    int netControllers = 2;
    QList<Cache> caches;
    QList<Device> devices;
    QStringList spinlocks;

    // A small server, as a DBA would watch it over a day: reports of a few hundred lines.
    static ServerShape demo();
    // A big server whose report sections are long: engine CPU blocks, run queues, caches, devices
    // and spinlock lines, the parts that cost the parser most.
    static ServerShape large();
};
