#include "RowWriter.h"

#include "ParserState.h"
#include "SectionRows.h"
#include "SectionTableLayout.h"
#include "TextSearch.h"
#include "common/TextRules.h"

#include <string_view>

using namespace std::string_view_literals;

using namespace SectionTableLayout;

namespace {

const QString averageRunnableTasks = QStringLiteral("Average Runnable Tasks [1m,5m,15m]");

} // namespace

RowWriter::RowWriter(ParserState &state, SectionRows &rows) : state_(state), rows_(rows)
{ }

void RowWriter::headerField(QStringView line)
{
    rows_.ensureRowAtCursor();
    const qsizetype colon = line.indexOf(u':');
    if (colon >= 0) {
        rows_.write(Section, line.left(colon + 1));
        rows_.write(SubSection1, TextRules::piece(line, colon + 2, 100));
    } else {
        rows_.write(SubSection1, TextRules::leftPiece(line, 100));
    }
    rows_.advance();
}

// Rows read while no subheading is open, under a heading that an underline has not (yet) made
// the current section, show that heading as their first subsection. (Sections, candidates and
// levels are held trimmed.)
void RowWriter::substituteLevel1()
{
    if (state_.levels.text(1).isEmpty() && state_.currentSection != state_.sectionCandidate)
        state_.levels.setText(1, state_.sectionCandidate);
}

QString RowWriter::subsectionPath() const
{
    const QString &path = state_.levels.path();
    if (state_.deviceName.isEmpty() || !TextRules::containsAnyCase(state_.currentSection, u"disk"sv))
        return path;
    return state_.deviceName % u'.' % path;
}

void RowWriter::writeFigures(const RowFigures &figures, bool asCpuRow)
{
    if (asCpuRow) {
        rows_.write(CpuPercent, figures.values[0]);
        rows_.write(IoPercent, figures.values[1]);
        rows_.write(IdlePercent, figures.values[2]);
    } else {
        rows_.write(PerSec, figures.values[0]);
        rows_.write(PedXact, figures.values[1]);
        rows_.write(Count, figures.values[2]);
        rows_.write(PercentTotal, figures.values[3]);
    }
}

void RowWriter::shortRow(const RowFigures &figures)
{
    rows_.ensureRowAtCursor();
    const QString entryName = TextRules::trimmed(figures.entryName);
    if (entryName.isEmpty())
        return;
    rows_.writeTrimmed(Section, state_.currentSection);
    substituteLevel1();
    rows_.writeTrimmed(SubSection1, subsectionPath());
    rows_.writeTrimmed(SubSection2, entryName);
    if (TextSearch::contains(entryName, u"Server Summary"sv))
        state_.threadPoolHeading.clear();
    writeFigures(figures, figures.remainderMentionsAverage);
    rows_.advance();
}

void RowWriter::generalRow(RowFigures figures)
{
    rows_.ensureRowAtCursor();
    QStringView &percentage = figures.values[3];
    if (const qsizetype percent = percentage.indexOf(u'%'); percent >= 0)
        percentage = percentage.left(percent);
    const QString entryName = TextRules::trimmed(figures.entryName);
    if (entryName.isEmpty())
        return;
    rows_.writeTrimmed(Section, state_.currentSection);

    // A thread pool names the rows of its own block in "Kernel Utilization" only: the server
    // summary, an "... Activity" block and every other section end it.
    const QString &level1 = state_.levels.text(1);
    if (TextSearch::contains(entryName, u"Server Summary"sv) || TextSearch::contains(level1, u"Activity"sv))
        state_.threadPoolHeading.clear();
    if (TextSearch::contains(level1, u"Average Runnable Tasks"sv)) {
        // Its figures are run queue lengths over 1, 5 and 15 minutes, not CPU shares.
        state_.levels.setText(1, averageRunnableTasks);
        state_.cpuBlock = false;
    }
    if (state_.currentSection != u"Kernel Utilization")
        state_.threadPoolHeading.clear();

    substituteLevel1();
    rows_.writeTrimmed(SubSection1, subsectionPath());
    if (state_.threadPoolHeading.isEmpty())
        rows_.writeTrimmed(SubSection2, entryName);
    else
        rows_.write(SubSection2, QString(entryName % u'.' % state_.threadPoolHeading));
    writeFigures(figures, state_.cpuBlock || figures.remainderMentionsAverage);
    rows_.advance();
}
