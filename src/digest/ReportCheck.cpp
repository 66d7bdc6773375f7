#include "ReportCheck.h"

#include "CounterMatches.h"
#include "DigestCopy.h"
#include "DigestRows.h"
#include "ReportHeader.h"
#include "SampleInterval.h"
#include "common/TextRules.h"

#include <QHash>

namespace ReportCheck {

namespace {

using Kind = ReportProblem::Kind;

// "rows 14 (1.0) and 15 (2.0) of the report's section table match; the Count cell keeps the last".
QString matchedMoreThanOnce(const GridTable &sections, const std::vector<int> &sectionRows, const QString &type)
{
    QStringList rows;
    for (int row : sectionRows)
        rows << QString::number(row) % QStringLiteral(" (") % DigestCopy::figureOf(sections, row, type) % u')';
    const QString last = rows.takeLast();
    return QStringLiteral("rows ") % rows.join(QStringLiteral(", ")) % QStringLiteral(" and ") % last %
        QStringLiteral(" of the report's section table match; the ") % type % QStringLiteral(" cell keeps the last");
}

// A blank row, or the row of a counter set row whose fields are all blank ("[]_[]_[]"), names
// nothing a report could lack: its name holds nothing but brackets, underscores and blanks.
bool namesCounter(const QString &name)
{
    for (QChar c : name) {
        if (c != u'[' && c != u']' && c != u'_' && !TextRules::isBlank(c))
            return true;
    }
    return false;
}

QString missing(const QString &type)
{
    return QStringLiteral("no row of the report's section table matches; the ") % type %
        QStringLiteral(" cell stays empty");
}

// The interval as a duration where it reads as one, else as the text it is.
QString intervalKey(const QString &interval)
{
    if (const auto seconds = SampleInterval::seconds(interval))
        return QString::number(*seconds);
    return u'?' % TextRules::trimmed(interval);
}

void addOtherServers(const std::vector<ReportFacts> &reports, std::vector<std::vector<ReportProblem>> &found)
{
    const ReportFacts *first = nullptr;
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const ReportFacts &report = reports[i];
        if (!report.digested || report.serverName.isEmpty())
            continue;
        if (!first) {
            first = &report;
            continue;
        }
        if (report.serverName != first->serverName)
            found[i].push_back({ report.path, Kind::OtherServer, QString(),
                                 QStringLiteral("Server Name ") % report.serverName %
                                     QStringLiteral("; the first report (") % first->path % QStringLiteral(") names ") %
                                     first->serverName });
    }
}

// Of two intervals named equally often, the one named first is the most common.
QString mostCommon(const QStringList &keysInOrder, const QHash<QString, int> &counts)
{
    QString common;
    for (const QString &key : keysInOrder) {
        if (common.isNull() || counts.value(key) > counts.value(common))
            common = key;
    }
    return common;
}

void addOtherIntervals(const std::vector<ReportFacts> &reports, std::vector<std::vector<ReportProblem>> &found)
{
    QHash<QString, int> counts;
    QStringList keysInOrder;
    QHash<QString, QString> firstText;
    int named = 0;
    for (const ReportFacts &report : reports) {
        if (!report.digested || report.sampleInterval.isEmpty())
            continue;
        const QString key = intervalKey(report.sampleInterval);
        ++named;
        if (++counts[key] == 1) {
            keysInOrder << key;
            firstText.insert(key, report.sampleInterval);
        }
    }
    if (keysInOrder.size() < 2)
        return;
    const QString common = mostCommon(keysInOrder, counts);
    const QString most = QStringLiteral("; the most common is ") % firstText.value(common) %
        QStringLiteral(" (%1 of %2 reports)").arg(counts.value(common)).arg(named);
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const ReportFacts &report = reports[i];
        if (report.digested && !report.sampleInterval.isEmpty() && intervalKey(report.sampleInterval) != common)
            found[i].push_back({ report.path, Kind::OtherSampleInterval, QString(),
                                 QStringLiteral("Sample Interval ") % report.sampleInterval % most });
    }
}

} // namespace

ReportFacts digested(const QString &path, const std::optional<QString> &parseFailure, const GridTable &sections,
                     const DigestRows &rows, const CounterMatches &matches)
{
    ReportFacts facts;
    facts.path = path;
    facts.serverName = ReportHeader::serverName(sections);
    facts.sampleInterval = ReportHeader::sampleInterval(sections);
    facts.digested = true;
    if (parseFailure)
        facts.problems.push_back({ path, Kind::ParseFailed, QString(), *parseFailure });
    for (qsizetype i = 0; i < rows.count(); ++i) {
        const QString &name = rows.names[i];
        const QString &type = rows.types[i];
        if (!namesCounter(name))
            continue;
        // Digest row r stands at index r - 1.
        const int row = int(i) + 1;
        const int count = matches.count(row);
        if (count == 0)
            facts.problems.push_back({ path, Kind::CounterMissing, name, missing(type) });
        else if (count > 1)
            facts.problems.push_back({ path, Kind::CounterMatchedMoreThanOnce, name,
                                       matchedMoreThanOnce(sections, matches.all(row), type) });
    }
    return facts;
}

ReportFacts outsideTimeWindow(const QString &path, const QString &why)
{
    ReportFacts facts;
    facts.path = path;
    facts.problems.push_back({ path, Kind::OutsideTimeWindow, QString(), why });
    return facts;
}

std::vector<std::vector<ReportProblem>> acrossReports(const std::vector<ReportFacts> &reports)
{
    std::vector<std::vector<ReportProblem>> found(reports.size());
    addOtherServers(reports, found);
    addOtherIntervals(reports, found);
    return found;
}

} // namespace ReportCheck
