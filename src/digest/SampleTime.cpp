#include "SampleTime.h"

#include "ReportHeader.h"
#include "common/TextRules.h"

namespace SampleTime {

namespace {

// A space and "hh:mm:ss".
constexpr qsizetype timeOfDayLength = 9;

} // namespace

QString of(const GridTable &sections, bool timeOnly)
{
    const QString value = ReportHeader::field(sections, u"Sampling Started");
    return timeOnly ? TextRules::rightPiece(value, timeOfDayLength).toString() : value;
}

} // namespace SampleTime
