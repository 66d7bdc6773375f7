#include "LineScan.h"

#include "CounterLineReader.h"
#include "CpuLineReader.h"
#include "ParseProgress.h"
#include "SectionRows.h"
#include "SpinlockSummary.h"
#include "TextSearch.h"
#include "common/TextRules.h"

#include <limits>
#include <string_view>

using namespace std::string_view_literals;

namespace {

// Header fields that share the shape of a heading line (no '.', starting in the first column).
// "Server Version" is recognised before the heading test, since its value holds dots.
constexpr QStringView headingHeaderFields[] = { u"Started",         u"Ended",
                                                u"Sample Interval", u"Counters Last Cleared",
                                                u"Server Name",     u"Run Date" };

// A '.' or an "n/a" (letter case respected) marks a line that carries figures.
bool hasFigureMark(const ReportLine &line)
{
    return line.contains(u'.') || line.contains(u"n/a"sv);
}

bool hasRule(const ReportLine &line)
{
    return line.contains(u"---"sv) || line.contains(u"==="sv);
}

// The 1-based position of the first character that is not a space (a TAB counts as text).
int indentOf(QStringView line)
{
    qsizetype i = 0;
    while (i < line.size() && line[i] == u' ')
        ++i;
    return int(qMin<qsizetype>(i + 1, std::numeric_limits<int>::max()));
}

qsizetype trimmedLength(QStringView line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && TextRules::isBlank(line[begin]))
        ++begin;
    while (end > begin && TextRules::isBlank(line[end - 1]))
        --end;
    return end - begin;
}

// The text in front of the column headings of a heading line ("Task Management    per sec ...").
QString textBefore(QStringView line, qsizetype at)
{
    return TextRules::trimmed(at >= 0 ? line.left(at) : line);
}

} // namespace

LineScan::LineScan(SectionRows &rows, SpinlockSummary &spinlocks, ParseProgress &progress) :
    rows_(rows), spinlocks_(spinlocks), progress_(progress), writer_(state_, rows)
{ }

void LineScan::handle(qsizetype index, QStringView line)
{
    if (!isStartMarkerSeen(line))
        return;
    line_ = ReportLine(line);
    if (line_.contains(u"spinlock_"sv))
        spinlocks_.record(line);
    if (line.endsWith(u'.'))
        return; // an explanatory sentence
    if (isAdviceText())
        return;
    if (line_.contains(u"ThreadPool"sv)) {
        state_.threadPoolHeading = TextRules::trimmed(line);
        state_.threaded = true;
        return;
    }
    if (isNoteInParentheses())
        return;
    if (line.startsWith(u"---"sv) && state_.candidatePending)
        confirmSectionByUnderline();
    if (trimmedLength(line) < 2)
        return;

    progress_.lineReached(index, line);
    if (line_.contains(u"Server Version"sv)) {
        writer_.headerField(line);
        return;
    }
    if (isHeadingLine()) {
        headingLine();
        return;
    }
    if (line_.contains(u"per sec"sv))
        nameDevice();
    if (isDeviceLine())
        return;
    if (startsCpuBlock())
        return;
    endBlocksAtColumnHeadings();
    if (isWrappedText())
        return;
    if (!hasFigureMark(line_)) {
        subheadingLine();
        return;
    }
    if (hasRule(line_))
        return;
    if (state_.cpuBlock)
        cpuValueLine();
    else
        counterLine();
}

bool LineScan::isStartMarkerSeen(QStringView line)
{
    if (!state_.started && TextSearch::contains(line, u"Sybase Adaptive Server Enterprise"sv))
        state_.started = true;
    return state_.started;
}

// Tuning advice ("- Consider decreasing ...", "Tuning Recommendations for ...") is no counter.
bool LineScan::isAdviceText() const
{
    return line_.containsAnyCase(u"consider"sv) || line_.containsAnyCase(u"recommendations"sv);
}

// Outside "Kernel Utilization" a line with '(' but no figures is a remark; inside it, such lines
// are column headings of engine blocks ("Engine Utilization (Tick %)").
bool LineScan::isNoteInParentheses() const
{
    return line_.contains(u'(') && state_.currentSection != u"Kernel Utilization" && !hasFigureMark(line_);
}

void LineScan::confirmSectionByUnderline()
{
    state_.currentSection = state_.sectionCandidate;
    state_.candidatePending = false;
}

bool LineScan::isHeadingLine() const
{
    if (hasFigureMark(line_))
        return false;
    const QChar first = line_.text.front();
    return first != u' ' && first != u'=' && first != u'-';
}

void LineScan::headingLine()
{
    state_.deviceName.clear();
    state_.levels.clearFrom(1);
    rows_.ensureRowAtCursor();
    for (QStringView field : headingHeaderFields) {
        if (line_.contains(field)) {
            writer_.headerField(line_.text);
            return;
        }
    }
    if (trimmedLength(line_.text) <= 2)
        return;
    state_.candidatePending = true;
    state_.sectionCandidate = textBefore(line_.text, line_.indexOf(u"per sec"sv));
}

// "Device:" is followed by the physical path and then by the logical name with the column
// headings ("demodb_01_dat    per sec ..."), which names the device.
void LineScan::nameDevice()
{
    if (!state_.devicePending)
        return;
    state_.deviceName = textBefore(line_.text, line_.indexOf(u"per sec"sv));
    state_.devicePending = false;
}

bool LineScan::isDeviceLine()
{
    if (!line_.containsAnyCase(u"device:"sv) && !state_.devicePending)
        return false;
    state_.devicePending = true;
    return true;
}

// "Engine Utilization (Tick %)  User Busy ...", "Thread Utilization (OS %)  User Busy ..." and
// "Engine Busy Utilization  CPU Busy ..." open a block of engine lines that carry percentages;
// the text before the keyword becomes the block's level 1.
bool LineScan::startsCpuBlock()
{
    qsizetype keyword = line_.indexOfAnyCase(u"user busy"sv);
    if (keyword < 0 || !(line_.containsAnyCase(u"tick %"sv) || line_.containsAnyCase(u"os %"sv)))
        keyword = line_.indexOfAnyCase(u"cpu busy"sv);
    if (keyword < 0)
        return false;
    state_.cpuBlock = true;
    state_.levels.clearFrom(1);
    state_.levels.set(1, TextRules::trimmed(TextRules::leftPiece(line_.text, keyword - 1)), 0);
    return true;
}

// Column headings of a counter block, and the run queue block, end an engine CPU block and a
// device name that is still awaited.
void LineScan::endBlocksAtColumnHeadings()
{
    if (line_.contains(u"per sec"sv) || line_.contains(u"Average Runnable Tasks"sv)) {
        state_.cpuBlock = false;
        state_.devicePending = false;
    }
}

// Continuation lines of the server version ("... /64-bit/FBO/ ...") and explanations ("i.e.").
bool LineScan::isWrappedText() const
{
    return line_.contains(u"-bit"sv) || line_.contains(u"i.e"sv);
}

void LineScan::subheadingLine()
{
    SubsectionLevels &levels = state_.levels;
    const bool rule = hasRule(line_);
    if (rule && !levels.text(1).isEmpty() && !levels.text(2).isEmpty()) {
        // An underline below nested subheadings closes them; a cache stays open until the next
        // cache's own line.
        if (!levels.level1IsCache() || line_.containsAnyCase(u"cache:"sv))
            levels.clearFrom(1);
        return;
    }
    if (rule)
        return;

    const int indent = indentOf(line_.text);
    clearLevelsByIndent(indent);
    const QString heading = textBefore(line_.text, line_.indexOfAnyCase(u"per sec"sv));
    for (int level = 1; level <= SubsectionLevels::count; ++level) {
        if (!levels.isFree(level))
            continue;
        levels.clearFrom(level + 1);
        levels.set(level, heading, indent);
        if (level == 1 && heading.isEmpty())
            levels.clearFrom(1);
        return;
    }
}

// A subheading closes every level it is not indented deeper than.
void LineScan::clearLevelsByIndent(int indent)
{
    SubsectionLevels &levels = state_.levels;
    if (!levels.isFree(1) && indent <= levels.indent(1) &&
        !(levels.level1IsCache() && !line_.containsAnyCase(u"cache:"sv)))
        levels.clearFrom(1);
    for (int level = 2; level <= SubsectionLevels::count; ++level) {
        if (!levels.isFree(level) && indent <= levels.indent(level))
            levels.clearFrom(level);
    }
}

void LineScan::cpuValueLine()
{
    const bool tickBlock = state_.threaded && TextSearch::contains(state_.levels.text(1), u"Tick"sv);
    const CpuLine cpu = CpuLineReader::read(line_, tickBlock);
    if (cpu.endsBlock)
        state_.cpuBlock = false;
    writer_.generalRow(cpu.figures);
}

void LineScan::counterLine()
{
    const CounterLine counter = CounterLineReader::read(line_);
    clearLevelsByIndentOfValueLine(indentOf(line_.text));
    if (counter.shortRow)
        writer_.shortRow(counter.figures);
    else
        writer_.generalRow(counter.figures);
}

// A value line no deeper than level 1 closes the subheadings, except the blocks whose counter
// lines are not indented below their heading: a cache, "Blocking Call Activity" and "Average
// Runnable Tasks". A cache gives way only to the next cache.
void LineScan::clearLevelsByIndentOfValueLine(int indent)
{
    SubsectionLevels &levels = state_.levels;
    if (levels.isFree(1) || indent > levels.indent(1))
        return;
    const QString &level1 = levels.text(1);
    const bool held = levels.level1IsCache() || TextSearch::contains(level1, u"Blocking Call Activity"sv) ||
        TextSearch::contains(level1, u"Average Runnable Tasks"sv);
    if (!held || line_.containsAnyCase(u"cache:"sv))
        levels.clearFrom(1);
}
