#pragma once

#include "ReportFacts.h"

#include <QString>

#include <optional>
#include <vector>

class CounterMatches;
struct DigestRows;
class GridTable;

// The problems of the reports of a digest run. Each report is checked on its own as soon as it is
// parsed, from its section table and the rows it matched; what only shows against the other
// reports (another server, another sample interval) is found once all are in.
namespace ReportCheck {

// A report that got its column: its parse failure, if any (the parser's message), and for each
// digest row that names a counter, that no section row matched it (the cell stayed empty) or that
// several did (the last one's figure was kept; the detail names every matching row and its figure).
ReportFacts digested(const QString &path, const std::optional<QString> &parseFailure, const GridTable &sections,
                     const DigestRows &rows, const CounterMatches &matches);

// A report left out because its sampling start lies outside the time window, `why` saying how.
ReportFacts outsideTimeWindow(const QString &path, const QString &why);

// What the digested reports show against each other, per report (aligned with `reports`): a
// "Server Name" other than that of the first report naming one, and a sample interval other than
// the one most reports name (intervals compared as durations, so "0:10:00" equals "00:10:00"; of
// two intervals named equally often, the one named first). A report that names no server or no
// interval is compared with nothing.
std::vector<std::vector<ReportProblem>> acrossReports(const std::vector<ReportFacts> &reports);

} // namespace ReportCheck
