#pragma once

#include "digest/DigestTableLayout.h"

#include "PeriodComparison.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

class GridTable;
class Ui;

// How the user picks the two periods in the digest table: select the baseline's report columns and
// mark them, then select the reports to compare with it (or nothing new: then every other report
// is compared). The mark is a note on each baseline column, so it travels with its column when the
// user drags or deletes columns, and a digest run that rebuilds the table forgets it.
namespace PeriodChoice {

// The column note that marks a baseline report.
inline constexpr int baselineNote = DigestTableLayout::BaselineNote;

// "Mark &Baseline": the report columns among `selected` become the baseline, replacing the one
// marked before; panel 1 then says how many. Without a report column among them, the information
// box asks for a selection and nothing changes. True when the marks changed.
bool markBaseline(GridTable &digest, const QList<int> &selected, Ui &ui);

// The marked report columns, left to right.
QList<int> baseline(const GridTable &digest);

// "&Compare": the baseline and the report columns among `selected` that are not in it; when the
// selection holds none of those, every report column outside the baseline. Nothing, after an
// information box, when no baseline is marked or no report is left to compare with it.
std::optional<PeriodComparison::Periods> periods(const GridTable &digest, const QList<int> &selected, Ui &ui);

// What is compared with what, for the user: "Baseline: 12 reports, Jan 14, 2025 00:00:00 to Jan 14,
// 2025 05:30:00. Comparison: ...", with when each period's first and last report were sampled.
QString describe(const GridTable &digest, const PeriodComparison::Periods &periods);

} // namespace PeriodChoice
