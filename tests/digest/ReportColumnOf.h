#pragma once

#include "digest/CounterNameIndex.h"
#include "digest/DigestColumn.h"
#include "digest/DigestCopy.h"
#include "digest/DigestRows.h"
#include "digest/DigestedReport.h"
#include "digest/SampleTime.h"
#include "grid/GridTable.h"

#include <optional>

// Adds one parsed report's column at the right end of `digest`, as a run does: the figures the copy
// takes from `sections`, headed by the time of day of its sampling start unless told otherwise.
inline void addReportColumn(GridTable &digest, const GridTable &sections, const CounterNameIndex &index,
                            const std::optional<QString> &sampleTime = std::nullopt)
{
    DigestedReport report;
    report.sampleTime = sampleTime.value_or(SampleTime::of(sections, true));
    report.copied = DigestCopy::valuesOf(sections, index, DigestRows::of(digest).types);
    DigestColumn::append(digest, report);
}
