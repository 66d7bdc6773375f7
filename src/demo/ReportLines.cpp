#include "ReportLines.h"

namespace ReportLines {

namespace {

constexpr int nameWidth = 29;
// The widths of the four figure columns, the blanks before them included.
constexpr int figureWidths[] = { 12, 14, 12, 10 };
// The same for the percentages of an engine line, their signs left out.
constexpr int cpuWidths[] = { 7, 12, 10, 10 };

} // namespace

void heading(QStringList &out, const QString &title)
{
    out << QString() << sectionRule << QString() << title << QString(title.size(), u'-') << QString();
}

void titledColumns(QStringList &out, const QString &title)
{
    out << QString(QStringLiteral("  ") + title).leftJustified(34) + columns << rule;
}

QString valueLine(const QString &indent, const QString &name, const QStringList &figures)
{
    // A name as long as its column still keeps a blank before the first figure.
    QString line = QString(indent + name).leftJustified(nameWidth - 1) + u' ';
    for (int i = 0; i < figures.size() && i < 4; ++i) {
        // A percentage's sign stands one column beyond the other figures' last digit.
        const int width = figureWidths[i] + (figures[i].endsWith(u'%') ? 2 : 0);
        line += figures[i].rightJustified(width - (i == 0 ? 1 : 0));
    }
    return line;
}

QString cpuLine(const QString &name, const QList<double> &percentages)
{
    QString line = name.leftJustified(32);
    for (int i = 0; i < percentages.size() && i < 4; ++i)
        line += QString::number(percentages[i], 'f', 1).rightJustified(cpuWidths[i]) + QStringLiteral(" %");
    return line;
}

QString spinlockLine(const QString &name, const QString &kind, qint64 figure)
{
    return u' ' + name + u' ' + kind + u' ' + QString::number(figure);
}

QString rate(double value)
{
    return QString::number(value, 'f', 1);
}

QString count(qint64 value)
{
    return QString::number(value);
}

QString percent(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" %");
}

} // namespace ReportLines
