#include "CpuLineReader.h"

#include "TextSearch.h"
#include "common/TextRules.h"

#include <string_view>

using namespace std::string_view_literals;

namespace CpuLineReader {

namespace {

// The figure in front of the '%' at `percent`: the run of non-blank characters that ends just
// before the blanks preceding the '%', not reaching before `from`.
QStringView figureBefore(QStringView text, qsizetype from, qsizetype percent, qsizetype *start = nullptr)
{
    qsizetype end = percent;
    while (end > from && text[end - 1] == u' ')
        --end;
    qsizetype begin = end;
    while (begin > from && text[begin - 1] != u' ')
        --begin;
    if (start)
        *start = begin;
    return text.mid(begin, end - begin);
}

// The next percentage of the rest of the line from `remainder`; the rest then begins after its
// '%'. A rest without a '%' gives its first five characters and stays whole.
QStringView nextPercentage(QStringView text, qsizetype &remainder, bool consume)
{
    const qsizetype percent = TextSearch::indexOf(text, u'%', remainder);
    if (percent < 0)
        return TextRules::leftPiece(remainder < text.size() ? text.mid(remainder) : QStringView(), 5);
    const QStringView figure = figureBefore(text, remainder, percent);
    if (consume)
        remainder = percent + 1;
    return figure;
}

} // namespace

CpuLine read(const ReportLine &line, bool skipSecond)
{
    CpuLine result;
    auto &values = result.figures.values;
    const QStringView text = line.text;

    // A line without any '%' has no entry name and writes no row; its rest is the whole line.
    qsizetype remainder = 0;
    const qsizetype firstPercent = TextSearch::indexOf(text, u'%');
    if (firstPercent >= 0) {
        qsizetype figureStart = 0;
        values[0] = figureBefore(text, 0, firstPercent, &figureStart);
        result.figures.entryName = text.left(figureStart);
        remainder = firstPercent + 1;
    } else {
        values[0] = TextRules::leftPiece(text, 7);
    }

    if (skipSecond)
        nextPercentage(text, remainder, true);
    values[1] = nextPercentage(text, remainder, true);
    values[2] = nextPercentage(text, remainder, false);

    result.endsBlock = line.indexOfAnyCase(u"average"sv, remainder) >= 0;
    result.figures.remainderMentionsAverage = result.endsBlock;
    return result;
}

} // namespace CpuLineReader
