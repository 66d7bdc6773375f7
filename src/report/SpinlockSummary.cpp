#include "SpinlockSummary.h"

#include "CategoryLists.h"
#include "SectionRows.h"
#include "SectionTableLayout.h"
#include "TextSearch.h"
#include "common/Failure.h"
#include "common/NumberText.h"
#include "common/TextRules.h"
#include "grid/GridTable.h"

#include <string_view>

using namespace std::string_view_literals;

namespace {

// The word after the name tells the kind of figure by its beginning: "spinlock_p" grabs,
// "spinlock_w" waits, "spinlock_s" spins.
constexpr QStringView kindWords[] = { u"spinlock_p", u"spinlock_w", u"spinlock_s" };

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

bool isEmptyOrZero(QStringView cell)
{
    const QStringView trimmed = TextRules::trimmedView(cell);
    return trimmed.isEmpty() || trimmed == u"0";
}

} // namespace

SpinlockSummary::SpinlockSummary()
{
    // Entry 0 has an empty name, so a line without a name is counted there and shown nowhere.
    spinlocks_.emplace_back();
    indexByFoldedName_.insert(QString(), 0);
}

bool SpinlockSummary::Total::isEmpty() const
{
    return !summed && TextRules::isBlankText(written);
}

QString SpinlockSummary::Total::text() const
{
    return summed ? QString::number(sum) : written;
}

int SpinlockSummary::indexOf(const QString &name)
{
    // The figures of one spinlock usually come on neighbouring lines.
    if (name == spinlocks_[std::size_t(last_)].name)
        return last_;
    const QString key = TextRules::asciiLower(name);
    if (auto found = indexByFoldedName_.constFind(key); found != indexByFoldedName_.constEnd()) {
        last_ = found.value();
    } else {
        last_ = size();
        spinlocks_.push_back(Spinlock { name, {}, 0 });
        indexByFoldedName_.insert(key, last_);
    }
    return last_;
}

void SpinlockSummary::record(QStringView line)
{
    const qsizetype wordAt = TextSearch::indexOf(line, u"spinlock_"sv);
    if (wordAt < 0)
        return;
    // The name ends one separator character before the kind word.
    const int index = indexOf(TextRules::trimmed(TextRules::leftPiece(line, wordAt - 1)));
    Spinlock &spinlock = spinlocks_[std::size_t(index)];
    const QString figure = figureOf(line, wordAt);
    for (int kind = 0; kind < KindCount; ++kind) {
        if (TextSearch::contains(line, kindWords[kind]))
            add(spinlock, spinlock.totals[std::size_t(kind)], figure);
    }
}

void SpinlockSummary::add(Spinlock &spinlock, Total &total, const QString &figure)
{
    if (total.isEmpty()) {
        // A kind's first figure is kept as written and starts the count of value lines again.
        total.written = figure;
        spinlock.fields = 1;
        return;
    }
    // The new figure is read before the total so far: when neither is an integer, the failure
    // names the new one.
    const std::int64_t added = integerValue(figure);
    total.sum = sum(total.summed ? total.sum : integerValue(total.written), added);
    total.summed = true;
    spinlock.fields = sum(spinlock.fields, 1);
}

SpinlockSummary::Texts SpinlockSummary::textsAt(int index) const
{
    const Spinlock &spinlock = spinlocks_.at(std::size_t(index));
    return { spinlock.name, spinlock.totals[Grabs].text(), spinlock.totals[Waits].text(), spinlock.totals[Spins].text(),
             spinlock.fields == 0 ? QString() : QString::number(spinlock.fields) };
}

void SpinlockSummary::appendRows(SectionRows &rows, CategoryLists &lists) const
{
    if (size() <= 1)
        return;
    using namespace SectionTableLayout;
    const QString spinlocks = QStringLiteral("Spinlocks");
    lists.sections.append(spinlocks);
    for (int index = 1; index < size(); ++index) {
        const Texts texts = textsAt(index);
        const int row = rows.appendRow();
        lists.subSections1.append(texts.name);
        rows.writeAt(Section, row, spinlocks);
        rows.writeAt(SubSection1, row, texts.name);
        rows.writeAt(PerSec, row, texts.waits);
        rows.writeAt(PedXact, row, texts.spins);
        rows.writeAt(Count, row, texts.grabs);
        rows.writeAt(IoPercent, row, texts.fields);

        const GridTable &sections = rows.table();
        const QStringView waits = sections.cell(PerSec, row);
        const QStringView spins = sections.cell(PedXact, row);
        const QStringView grabs = sections.cell(Count, row);
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
