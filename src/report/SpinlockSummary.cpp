#include "SpinlockSummary.h"

#include "CategoryLists.h"
#include "SectionRows.h"
#include "SectionTableLayout.h"
#include "TextSearch.h"
#include "common/Failure.h"
#include "common/NumberText.h"
#include "common/TextRules.h"
#include "grid/GridTable.h"

namespace {

enum WorkColumn { Name = 0, Grabs = 1, Waits = 2, Spins = 3, Fields = 4, WorkColumns = 5 };

// The kinds of figure, told by the beginning of the word after the name, in the order a line is
// checked for them.
struct Kind
{
    QStringView word;
    int column;
};
constexpr Kind kinds[] = { { u"spinlock_p", Grabs }, { u"spinlock_w", Waits }, { u"spinlock_s", Spins } };

std::int64_t integerValue(QStringView text)
{
    const QString trimmed = TextRules::trimmed(text);
    if (auto value = NumberText::readInteger(trimmed))
        return *value;
    throw Failure(u'\'' % trimmed % QStringLiteral("' is not a valid integer value"));
}

std::int64_t sum(std::int64_t a, std::int64_t b)
{
    std::int64_t result = 0;
    if (__builtin_add_overflow(a, b, &result))
        throw Failure(QStringLiteral("Integer overflow: %1 + %2 is out of range").arg(a).arg(b));
    return result;
}

std::int64_t hundredTimes(std::int64_t a)
{
    std::int64_t result = 0;
    if (__builtin_mul_overflow(a, std::int64_t(100), &result))
        throw Failure(QStringLiteral("Integer overflow: %1 x 100 is out of range").arg(a));
    return result;
}

// The text after the first space, or all of it when it has none.
QString afterFirstSpace(const QString &text)
{
    const qsizetype space = text.indexOf(u' ');
    if (space < 0)
        return text;
    return TextRules::trimmed(TextRules::piece(text, space + 2, 200));
}

// The figure is the last of the one or two fields after the kind word: "name spinlock_w 12" and
// "name spinlock_w 3 12" both give 12.
QString figureOf(QStringView line, qsizetype wordAt)
{
    const QString kindAndFields = TextRules::trimmed(TextRules::piece(line, wordAt + 2, 200));
    return afterFirstSpace(afterFirstSpace(kindAndFields));
}

bool isEmptyOrZero(const QString &cell)
{
    const QString trimmed = TextRules::trimmed(cell);
    return trimmed.isEmpty() || trimmed == u"0";
}

} // namespace

SpinlockSummary::SpinlockSummary(GridTable &work) : work_(work)
{ }

void SpinlockSummary::reset()
{
    GridTable::BulkUpdate batch(work_);
    work_.setColumns(WorkColumns);
    work_.setRows(2);
    work_.clearCells();
    rowsByFoldedName_.clear();
    // Row 0 has an empty name, so a line without a name is counted there and shown nowhere.
    rowsByFoldedName_.insert(QString(), 0);
    lastRow_ = -1;
}

int SpinlockSummary::rowOf(const QString &name)
{
    // The figures of one spinlock usually come on neighbouring lines.
    if (lastRow_ >= 0 && name == work_.cell(Name, lastRow_))
        return lastRow_;
    lastRow_ = lookUp(name);
    return lastRow_;
}

int SpinlockSummary::lookUp(const QString &name)
{
    const QString key = TextRules::asciiLower(name);
    if (auto found = rowsByFoldedName_.constFind(key); found != rowsByFoldedName_.constEnd())
        return found.value();
    const int row = work_.rows() - 1;
    work_.setCell(Name, row, name);
    work_.setRows(work_.rows() + 1);
    rowsByFoldedName_.insert(key, row);
    return row;
}

void SpinlockSummary::record(QStringView line)
{
    const qsizetype wordAt = TextSearch::indexOf(line, u"spinlock_");
    if (wordAt < 0)
        return;
    // The name ends one separator character before the kind word.
    const int row = rowOf(TextRules::trimmed(TextRules::leftPiece(line, wordAt - 1)));
    const QString figure = figureOf(line, wordAt);
    for (const Kind &kind : kinds) {
        if (TextSearch::contains(line, kind.word))
            add(kind.column, row, figure);
    }
}

void SpinlockSummary::add(int column, int row, QStringView figure)
{
    const QString &held = work_.cell(column, row);
    if (TextRules::isBlankText(held)) {
        // A kind's first figure is kept as written and starts the count of value lines again.
        work_.setCell(column, row, figure.toString());
        work_.setCell(Fields, row, QStringLiteral("1"));
        return;
    }
    work_.setCell(column, row, QString::number(sum(integerValue(held), integerValue(figure))));
    work_.setCell(Fields, row, QString::number(sum(integerValue(work_.cell(Fields, row)), 1)));
}

void SpinlockSummary::appendRows(SectionRows &rows, CategoryLists &lists) const
{
    if (work_.rows() <= 2)
        return;
    using namespace SectionTableLayout;
    const QString spinlocks = QStringLiteral("Spinlocks");
    lists.sections.append(spinlocks);
    for (int r = 1; r < work_.rows(); ++r) {
        const QString name = TextRules::trimmed(work_.cell(Name, r));
        if (name.isEmpty())
            continue;
        const int row = rows.appendRow();
        lists.subSections1.append(name);
        rows.writeAt(Section, row, spinlocks);
        rows.writeAt(SubSection1, row, name);
        rows.writeAt(PerSec, row, work_.cell(Waits, r));
        rows.writeAt(PedXact, row, work_.cell(Spins, r));
        rows.writeAt(Count, row, work_.cell(Grabs, r));
        rows.writeAt(IoPercent, row, work_.cell(Fields, r));

        const GridTable &sections = rows.table();
        const QString &waits = sections.cell(PerSec, row);
        const QString &spins = sections.cell(PedXact, row);
        const QString &grabs = sections.cell(Count, row);
        // Contention: the share of grabs that had to wait; spins per wait.
        rows.writeAt(PercentTotal, row,
                     isEmptyOrZero(waits) || isEmptyOrZero(grabs)
                         ? QStringLiteral("0.0")
                         : quotientText(hundredTimes(integerValue(waits)), integerValue(grabs)));
        rows.writeAt(CpuPercent, row,
                     isEmptyOrZero(waits) || isEmptyOrZero(spins)
                         ? QStringLiteral("0.0")
                         : quotientText(integerValue(spins), integerValue(waits)));
    }
}

QString SpinlockSummary::quotientText(std::int64_t dividend, std::int64_t divisor)
{
    if (divisor == 0)
        throw Failure(QStringLiteral("Floating point division by zero"));
    const double quotient = double(dividend) / double(divisor);
    QString text = NumberText::general(quotient);
    // The text is cut two places after its decimal point, so it must never be in exponent form:
    // "1.5E-6" would become the mantissa "1.5E" and read as 1.5.
    if (text.contains(u'E'))
        text = NumberText::plain(quotient);
    const qsizetype point = text.indexOf(u'.');
    if (point >= 0)
        text.truncate(point + 3);
    return text;
}
