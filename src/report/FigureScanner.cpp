#include "FigureScanner.h"

#include "TextSearch.h"

namespace FigureScanner {

namespace {

constexpr QStringView notAvailableText = u"n/a";

} // namespace

FigureSpan runAround(QStringView text, qsizetype from, qsizetype at)
{
    qsizetype start = at;
    while (start > from && text[start - 1] != u' ')
        --start;
    qsizetype end = at;
    while (end < text.size() && text[end] != u' ')
        ++end;
    return { start, end, false };
}

FigureSpan next(const ReportLine &line, qsizetype from)
{
    if (from >= line.text.size())
        return {};
    const qsizetype point = TextSearch::indexOf(line.text, u'.', from);
    const qsizetype notAvailable = line.indexOfAnyCase(notAvailableText, from);
    if (point >= 0 && (notAvailable < 0 || point < notAvailable))
        return runAround(line.text, from, point);
    if (notAvailable >= 0)
        return { notAvailable, notAvailable + notAvailableText.size(), true };
    return {};
}

QStringView textOf(const ReportLine &line, const FigureSpan &figure)
{
    if (figure.notAvailable)
        return notAvailableText;
    return line.text.mid(figure.start, figure.end - figure.start);
}

} // namespace FigureScanner
