#include "ReportDigester.h"

#include "SampleTime.h"
#include "common/TextLines.h"

namespace {

// A listed file that is no text at all would give an empty report column without a word; the user
// is told which file it was, as for a report the parser fails on.
bool holdsBinaryData(const TextLines &report)
{
    return report.joined().contains(QChar(u'\0'));
}

QString binaryDataMessage(const QString &path)
{
    return QStringLiteral("\"") % path % QStringLiteral("\" is not a Sysmon report: it holds binary data.");
}

} // namespace

ReportDigester::ReportDigester(const DigestRows &rows, bool timeOnly, Loader load) :
    rows_(rows), timeOnly_(timeOnly), load_(std::move(load)), index_(rows.names)
{ }

DigestedReport ReportDigester::digest(const QString &path, std::stop_token stop, bool keepParse)
{
    DigestedReport digested;
    digested.path = path;
    ParseResult parse = ParseResult::of(load_(path), stop);
    digested.parseFailure = parse.failure;
    if (holdsBinaryData(parse.report))
        digested.parseFailure = binaryDataMessage(path);
    digested.samplingStart = SampleTime::of(*parse.sections, false);
    digested.sampleTime = SampleTime::of(*parse.sections, timeOnly_);
    digested.copied = DigestCopy::valuesOf(*parse.sections, index_, rows_.types);
    if (keepParse)
        digested.parse = std::move(parse);
    return digested;
}
