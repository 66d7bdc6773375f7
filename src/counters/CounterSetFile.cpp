#include "CounterSetFile.h"

#include "CounterSet.h"
#include "common/CommandGuard.h"
#include "common/Failure.h"
#include "common/TextLineList.h"
#include "common/Ui.h"
#include "grid/GridTable.h"

#include <QFileInfo>

namespace CounterSetFile {

QString lineOf(const GridTable &counters, int row)
{
    QString line;
    for (int c = 0; c < CounterSet::columnCount; ++c)
        line += counters.cell(c, row) % QStringView(separator);
    return line;
}

QStringList fieldsOf(const QString &line)
{
    QStringList fields;
    QStringView rest(line);
    for (int i = 0; i < CounterSet::columnCount; ++i) {
        const qsizetype at = rest.indexOf(QStringView(separator));
        if (at < 0) {
            fields << QString();
            rest = rest.size() > 2 ? rest.mid(2) : QStringView();
        } else {
            fields << rest.left(at).toString();
            rest = rest.mid(at + 3);
        }
    }
    return fields;
}

void load(GridTable &counters, TextLineList &lineList, const QString &path)
{
    lineList.loadFromFile(path);
    for (const QString &line : std::as_const(lineList.lines)) {
        if (line.contains(QChar(u'\0')))
            throw Failure(QStringLiteral("\"") % path %
                          QStringLiteral("\" is not a counter set file: it holds binary data."));
    }
    GridTable::BulkUpdate batch(counters);
    counters.clearBody();
    for (const QString &line : std::as_const(lineList.lines))
        CounterSet::append(counters, fieldsOf(line));
}

void save(const GridTable &counters, TextLineList &lineList, const QString &path)
{
    lineList.lines.clear();
    for (int row = 1; row < counters.rows(); ++row)
        lineList.lines << lineOf(counters, row);
    lineList.saveToFile(path);
}

void loadDefault(GridTable &counters, TextLineList &lineList, Ui &ui)
{
    const QString path = QString::fromUtf16(defaultFileName);
    CommandGuard::run(ui, QStringLiteral("LoadCountersFromIniFile"), [&] {
        if (!QFileInfo::exists(path))
            return;
        load(counters, lineList, path);
        ui.setStatus(1, QStringLiteral("Counters Loaded from SysmonCounters.ini"));
    });
}

} // namespace CounterSetFile
