#include "ReportDigester.h"

#include "CounterMatches.h"
#include "ReportCheck.h"
#include "ReportHeader.h"
#include "SampleTime.h"
#include "common/TextLines.h"
#include "report/BinaryReportCheck.h"

ReportDigester::ReportDigester(const DigestRows &rows, const Options &options, Loader load) :
    rows_(rows), options_(options), load_(std::move(load)), index_(rows.names)
{ }

DigestedReport ReportDigester::digest(const QString &path, std::stop_token stop, bool keepParse)
{
    DigestedReport digested;
    digested.path = path;
    ParseResult parse = parseForFigures(load_(path), stop, keepParse);
    digested.parseFailure = parse.failure;
    if (const std::optional<QString> binary = BinaryReportCheck::failureOf(path, parse.report))
        digested.parseFailure = binary;
    digested.samplingStart = SampleTime::of(*parse.sections, false);
    digested.outsideTimeWindow = options_.window.exclusionOf(digested.samplingStart);
    if (digested.outsideTimeWindow) {
        if (options_.listProblems)
            digested.facts = ReportCheck::outsideTimeWindow(path, *digested.outsideTimeWindow);
    } else {
        takeFigures(digested, *parse.sections);
    }
    if (keepParse)
        digested.parse = std::move(parse);
    else
        spareSections_ = std::move(parse.sections);
    return digested;
}

// The figures need no category lists: they are left to whoever shows the parse. A parse fills a
// table used before (the one of the report before, or one given back after a handed-over parse
// was dropped), so that a run does not allocate a table's worth of memory per report.
ParseResult ReportDigester::parseForFigures(TextLines report, std::stop_token stop, bool handOver)
{
    std::unique_ptr<GridTable> table;
    if (!handOver)
        table = std::move(spareSections_);
    else if (options_.spareTables)
        table = options_.spareTables->take();
    return ParseResult::forFigures(std::move(report), std::move(table), stop);
}

void ReportDigester::takeFigures(DigestedReport &digested, const GridTable &sections)
{
    digested.sampleTime = SampleTime::of(sections, options_.timeOnly);
    digested.sampleInterval = ReportHeader::sampleInterval(sections);
    const CounterMatches matches(sections, index_);
    digested.copied = DigestCopy::valuesOf(sections, matches, rows_.types);
    if (options_.listProblems)
        digested.facts = ReportCheck::digested(digested.path, digested.parseFailure, sections, rows_, matches);
}
