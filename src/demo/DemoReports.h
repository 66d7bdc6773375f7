#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The demo: synthetic Sysmon reports of a small server, taken at regular times, whose figures
// follow a day's load with some scatter, and a counter set of the counters a DBA would watch in
// them. A digest of the reports and a chart of engine busy against committed transactions show
// the day's curve. The same settings give the same files.
namespace DemoReports {

inline constexpr int defaultReports = 48;
inline constexpr int defaultIntervalMinutes = 30;
inline constexpr quint32 defaultSeed = 1;
// Enough for a month of half-hourly reports, few enough that a slip of the keyboard cannot fill
// the disk (a report is about 25 KB).
inline constexpr int maxReports = 2000;
inline constexpr int maxIntervalMinutes = 7 * 24 * 60;
// A sample is as long as sp_sysmon runs are at most in practice, or the interval when that is
// shorter.
inline constexpr int maxSampleSeconds = 600;

inline const QString counterFileName = QStringLiteral("demo-counters.ini");

struct Settings
{
    int reports = defaultReports;
    int intervalMinutes = defaultIntervalMinutes;
    // Sampling start of the first report, a wall-clock reading in UTC.
    QDateTime start;
    quint32 seed = defaultSeed;
};

// A fixed first sampling start, so that the same command always gives the same files: midnight
// of Jan 15, 2025, the start of a day.
QDateTime defaultStart();
Settings defaultSettings();

// A sampling start as the reports write it: "Jan 15, 2025 00:00:00" (the month's English
// abbreviation, the day, a comma, the year and the time). Nothing when the text is no such time.
std::optional<QDateTime> readStart(QStringView text);
QString startText(const QDateTime &start);

// The reports' file names, in time order, which is also their order by name:
// "sysmon-2025-01-15-0000.txt".
QStringList reportNames(const Settings &settings);

// Writes the reports and demo-counters.ini into `folder`, creating it when missing, and returns
// the reports' paths in time order. When any of the files exists already nothing is written.
// Throws Failure.
QStringList write(const QString &folder, const Settings &settings);

struct Folder
{
    QString path;
    QStringList reports;
};

// The demo as the window starts with it: the default demo in a new folder under the user's
// temporary folder, its counter set there also as SysmonCounters.ini, the default counter set of
// a window started in that folder. The folder stays when the window closes, for the user to come
// back to. Throws Failure.
Folder writeFreshFolder();

} // namespace DemoReports
