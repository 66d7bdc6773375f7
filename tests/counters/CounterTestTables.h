#pragma once

#include "grid/GridTable.h"
#include "report/SectionTableLayout.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

// Tables and files the counter selection tests share.
namespace CounterTestTables {

// A section table holding `rows` from row 1 on, each given from column 0 up to its last text.
inline void fillSections(GridTable &sections, const QList<QStringList> &rows)
{
    SectionTableLayout::reset(sections);
    sections.setRows(int(rows.size()) + 1);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c)
            sections.setCell(c, r + 1, rows[r][c]);
    }
}

// The four cells of a counter set row.
inline QStringList counterRow(const GridTable &counters, int row)
{
    return { counters.cell(0, row).toString(), counters.cell(1, row).toString(), counters.cell(2, row).toString(),
             counters.cell(3, row).toString() };
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A fresh, empty working folder for the length of a test: the default counter set file is looked
// up in the working folder.
class WorkingFolder
{
public:
    WorkingFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~WorkingFolder() { QDir::setCurrent(previous_); }
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

    QString filePath(const QString &name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

} // namespace CounterTestTables
