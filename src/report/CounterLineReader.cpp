#include "CounterLineReader.h"

#include "FigureScanner.h"
#include "TextSearch.h"

#include <string_view>

using namespace std::string_view_literals;

namespace CounterLineReader {

namespace {

constexpr QStringView notAvailable = u"n/a";

// The text from `start` to `end`, empty where that is not a piece of the text.
QStringView between(QStringView text, qsizetype start, qsizetype end)
{
    start = qMax<qsizetype>(start, 0);
    end = qMin(end, text.size());
    return start < end ? text.mid(start, end - start) : QStringView();
}

// After a figure, the rest of the line begins one character past it (the blank that separates
// figures is skipped).
qsizetype pastFigure(const FigureSpan &figure)
{
    return figure.end + 1;
}

bool hasFigureMark(const ReportLine &line, qsizetype from)
{
    return TextSearch::indexOf(line.text, u'.', from) >= 0 || line.indexOfAnyCase(notAvailable, from) >= 0;
}

// Where `value` is first written in the line from `from` on. A value the line does not hold is
// taken to start just before `from`, so the search for the next value begins where this one
// would have ended.
qsizetype placeOf(QStringView line, QStringView value, qsizetype from)
{
    const qsizetype at = from < line.size() ? TextSearch::indexOf(line, value, from) : -1;
    return at >= 0 ? at : from - 1;
}

// A count is an integer without a decimal point, so the figure search skips it and lands on the
// percentage. The count is then the text between the per-transaction figure and the percentage.
void takeCountBetweenFigures(const ReportLine &line, CounterLine &result, qsizetype &remainder)
{
    auto &values = result.figures.values;
    values[3] = values[2];
    const qsizetype first = placeOf(line.text, values[0], 0);
    const qsizetype second = placeOf(line.text, values[1], first + values[0].size() + 1);
    const qsizetype secondEnd = second + values[1].size();
    const qsizetype fourthFrom = secondEnd + 1;
    const qsizetype fourth = fourthFrom < line.text.size() ? TextSearch::indexOf(line.text, values[3], fourthFrom) : -1;
    values[2] = fourth >= 0 ? between(line.text, secondEnd, fourth) : QStringView();
    remainder = fourthFrom;
}

// A percentage found directly keeps the two characters after its number ("5.0 %"); the row
// writer cuts it at the '%'.
void takePercentage(const ReportLine &line, CounterLine &result, qsizetype remainder)
{
    auto &values = result.figures.values;
    const qsizetype point = TextSearch::indexOf(line.text, u'.', remainder);
    const qsizetype notAvailableAt = line.indexOfAnyCase(notAvailable, remainder);
    if (point >= 0 && (notAvailableAt < 0 || point < notAvailableAt)) {
        const FigureSpan run = FigureScanner::runAround(line.text, remainder, point);
        values[3] = between(line.text, run.start, run.end + 2);
    } else {
        values[3] = notAvailable;
    }
}

bool mentionsAverage(const ReportLine &line, qsizetype remainder)
{
    return line.indexOfAnyCase(u"average"sv, remainder) >= 0;
}

} // namespace

CounterLine read(const ReportLine &line)
{
    CounterLine result;
    auto &values = result.figures.values;

    const FigureSpan first = FigureScanner::next(line, 0);
    if (!first.found())
        return result; // no figure, no entry name: no row
    result.figures.entryName = line.text.left(first.start);
    values[0] = FigureScanner::textOf(line, first);
    qsizetype remainder = pastFigure(first);

    const FigureSpan second = FigureScanner::next(line, remainder);
    if (second.found()) {
        values[1] = FigureScanner::textOf(line, second);
        remainder = pastFigure(second);
    } else {
        values[1] = notAvailable;
        remainder = line.text.size();
    }

    if (!hasFigureMark(line, remainder)) {
        values[2] = line.from(remainder);
        values[3] = notAvailable;
        result.shortRow = true;
        result.figures.remainderMentionsAverage = mentionsAverage(line, remainder);
        return result;
    }
    const FigureSpan third = FigureScanner::next(line, remainder);
    values[2] = FigureScanner::textOf(line, third);
    remainder = pastFigure(third);

    if (hasFigureMark(line, remainder))
        takePercentage(line, result, remainder);
    else
        takeCountBetweenFigures(line, result, remainder);
    result.figures.remainderMentionsAverage = mentionsAverage(line, remainder);
    return result;
}

} // namespace CounterLineReader
