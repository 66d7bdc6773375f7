#include "DemoReports.h"

#include "DailyLoad.h"
#include "DemoCounters.h"
#include "ReportGenerator.h"
#include "ReportNoise.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "common/TextRules.h"
#include "counters/CounterSetFile.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <algorithm>

namespace DemoReports {

namespace {

const QString startDateFormat = QStringLiteral("MMM d, yyyy");
const QString startTimeFormat = QStringLiteral("hh:mm:ss");

QDateTime startOf(const Settings &settings, int report)
{
    return settings.start.addSecs(qint64(report) * settings.intervalMinutes * 60);
}

QStringList targetsIn(const QDir &folder, const Settings &settings)
{
    QStringList paths;
    for (const QString &name : reportNames(settings))
        paths.append(folder.filePath(name));
    paths.append(folder.filePath(counterFileName));
    return paths;
}

// Creates the file; one that appeared since the check is left alone.
void writeNewFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw Failure(QStringLiteral("Cannot create %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw Failure(QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
}

// Reports as isql prints them on the server: lines ended by LF.
QByteArray reportBytes(const QStringList &lines)
{
    return (lines.join(u'\n') + u'\n').toUtf8();
}

} // namespace

QDateTime defaultStart()
{
    return QDateTime(QDate(2025, 1, 15), QTime(0, 0), Qt::UTC);
}

Settings defaultSettings()
{
    Settings settings;
    settings.start = defaultStart();
    return settings;
}

// Date and time are read apart: read together they would be a local time, and one that the local
// zone's daylight saving skips ("Mar 30, 2025 02:30:00" in Europe) would be no time at all.
std::optional<QDateTime> readStart(QStringView text)
{
    const QString start = TextRules::trimmed(text);
    const qsizetype space = start.lastIndexOf(u' ');
    if (space < 0)
        return std::nullopt;
    const QDate date = QLocale::c().toDate(start.left(space), startDateFormat);
    const QTime time = QLocale::c().toTime(start.mid(space + 1), startTimeFormat);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

QString startText(const QDateTime &start)
{
    return QLocale::c().toString(start, QStringLiteral("MMM dd, yyyy hh:mm:ss"));
}

QStringList reportNames(const Settings &settings)
{
    QStringList names;
    for (int r = 0; r < settings.reports; ++r)
        names.append(QLocale::c().toString(startOf(settings, r), QStringLiteral("'sysmon-'yyyy-MM-dd-hhmm'.txt'")));
    return names;
}

QStringList write(const QString &folder, const Settings &settings)
{
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        throw Failure(QStringLiteral("Cannot create the folder %1.").arg(QDir::toNativeSeparators(folder)));
    const QStringList targets = targetsIn(dir, settings);
    for (const QString &target : targets) {
        if (QFileInfo::exists(target))
            throw Failure(
                QStringLiteral("%1 exists already; nothing was written.").arg(QDir::toNativeSeparators(target)));
    }

    ReportGenerator generator(ServerShape::demo(), settings.seed);
    // Some half-hours are busier than the curve says, some quieter, all figures together.
    ReportNoise busier(settings.seed);
    const int sampleSeconds = std::min(maxSampleSeconds, settings.intervalMinutes * 60);
    for (int r = 0; r < settings.reports; ++r) {
        const QDateTime start = startOf(settings, r);
        const double load = busier.around(DailyLoad::at(start.time()), 0.06);
        writeNewFile(targets[r], reportBytes(generator.report({ start, sampleSeconds, load })));
    }
    writeNewFile(targets.last(), TextFile::encode(DemoCounters::fileLines(), TextEncoding::Utf8));
    return targets.mid(0, settings.reports);
}

Folder writeFreshFolder()
{
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/quorvel-demo-XXXXXX"));
    if (!folder.isValid())
        throw Failure(QStringLiteral("Cannot create a folder for the demo in %1: %2")
                          .arg(QDir::toNativeSeparators(QDir::tempPath()), folder.errorString()));
    folder.setAutoRemove(false);
    const QStringList reports = write(folder.path(), defaultSettings());
    const QDir dir(folder.path());
    writeNewFile(dir.filePath(QStringView(CounterSetFile::defaultFileName).toString()),
                 TextFile::encode(DemoCounters::fileLines(), TextEncoding::Utf8));
    return { folder.path(), reports };
}

} // namespace DemoReports
