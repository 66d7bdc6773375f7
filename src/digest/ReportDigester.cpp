#include "ReportDigester.h"

#include "SampleTime.h"
#include "common/TextLines.h"
#include "report/BinaryReportCheck.h"

ReportDigester::ReportDigester(const DigestRows &rows, bool timeOnly, Loader load) :
    rows_(rows), timeOnly_(timeOnly), load_(std::move(load)), index_(rows.names)
{ }

DigestedReport ReportDigester::digest(const QString &path, std::stop_token stop, bool keepParse)
{
    DigestedReport digested;
    digested.path = path;
    ParseResult parse = ParseResult::of(load_(path), stop);
    digested.parseFailure = parse.failure;
    if (const std::optional<QString> binary = BinaryReportCheck::failureOf(path, parse.report))
        digested.parseFailure = binary;
    digested.samplingStart = SampleTime::of(*parse.sections, false);
    digested.sampleTime = SampleTime::of(*parse.sections, timeOnly_);
    digested.copied = DigestCopy::valuesOf(*parse.sections, index_, rows_.types);
    if (keepParse)
        digested.parse = std::move(parse);
    return digested;
}
