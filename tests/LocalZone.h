#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <ctime>

// The process's local time zone, as a zone name or a rule ("CET-1CEST,M3.5.0,M10.5.0/3"), while it
// lives; the zone before it afterwards. A rule needs no zone data, so a test that needs daylight
// saving gets it on any machine, whatever zone that machine runs in.
class LocalZone
{
public:
    explicit LocalZone(const char *zone) : wasSet_(qEnvironmentVariableIsSet("TZ")), before_(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~LocalZone()
    {
        if (wasSet_)
            qputenv("TZ", before_);
        else
            qunsetenv("TZ");
        tzset();
    }
    LocalZone(const LocalZone &) = delete;
    LocalZone &operator=(const LocalZone &) = delete;

    // Central European Time: daylight saving from 02:00 on the last Sunday of March.
    static constexpr const char *centralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

private:
    bool wasSet_;
    QByteArray before_;
};
