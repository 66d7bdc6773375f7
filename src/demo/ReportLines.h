#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The line shapes of a Sysmon report of a 16.0 server, as sp_sysmon prints them: section headings
// with their rules, value lines with per-second, per-transaction, count and percentage columns,
// engine lines with busy percentages, and spinlock lines.
namespace ReportLines {

inline const QString columns = QStringLiteral("per sec      per xact       count  % of total");
inline const QString rule =
    QStringLiteral("  -------------------------  ------------  ------------  ----------  ----------");
// The rule above a total line, which has no percentage.
inline const QString totalRule = QStringLiteral("  -------------------------  ------------  ------------  ----------");
inline const QString sectionRule =
    QStringLiteral("===============================================================================");
inline const QString blockRule =
    QStringLiteral("-------------------------------------------------------------------------------");

// The section rule, the title underlined by dashes, blank lines around them.
void heading(QStringList &out, const QString &title);
// A title on the line of the column headings, as most subsections start, and its rule.
void titledColumns(QStringList &out, const QString &title);

// A name and up to four figures in the report's columns: per second, per transaction, count and
// percentage of total (or whatever a block puts there). The figures are texts made by the
// functions below.
QString valueLine(const QString &indent, const QString &name, const QStringList &figures);
// An engine or thread line: its name and its busy and idle percentages.
QString cpuLine(const QString &name, const QList<double> &percentages);
// One figure of one spinlock; `kind` is "spinlock_p" (grabs), "spinlock_w" (waits) or
// "spinlock_s" (spins).
QString spinlockLine(const QString &name, const QString &kind, qint64 figure);

// A figure with one decimal, as rates are printed.
QString rate(double value);
QString count(qint64 value);
// A percentage with one decimal and its sign.
QString percent(double value);
inline const QString notAvailable = QStringLiteral("n/a");

} // namespace ReportLines
