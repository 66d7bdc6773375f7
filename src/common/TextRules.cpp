#include "TextRules.h"

namespace TextRules {

namespace {

char16_t foldLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

char16_t foldUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
}

template <typename Fold> void foldInto(QStringView text, QString &into, Fold fold)
{
    into.resize(text.size());
    char16_t *out = reinterpret_cast<char16_t *>(into.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = fold(text[i].unicode());
}

template <typename Fold> QString folded(QStringView text, Fold fold)
{
    QString result(text.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(result.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = fold(text[i].unicode());
    return result;
}

} // namespace

QStringView trimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QString trimmed(QStringView text)
{
    return trimmedView(text).toString();
}

bool isBlankText(QStringView text)
{
    for (QChar c : text) {
        if (!isBlank(c))
            return false;
    }
    return true;
}

QString asciiLower(QStringView text)
{
    return folded(text, foldLower);
}

QString asciiUpper(QStringView text)
{
    return folded(text, foldUpper);
}

void asciiLowerInto(QStringView text, QString &into)
{
    foldInto(text, into, foldLower);
}

qsizetype indexOfAnyCase(QStringView text, QStringView lowerNeedle, qsizetype from)
{
    const qsizetype n = lowerNeedle.size();
    if (from < 0)
        from = 0;
    if (n == 0)
        return from <= text.size() ? from : -1;
    const char16_t first = lowerNeedle[0].unicode();
    for (qsizetype i = from; i + n <= text.size(); ++i) {
        if (foldLower(text[i].unicode()) != first)
            continue;
        qsizetype k = 1;
        while (k < n && foldLower(text[i + k].unicode()) == lowerNeedle[k].unicode())
            ++k;
        if (k == n)
            return i;
    }
    return -1;
}

bool containsAnyCase(QStringView text, QStringView lowerNeedle)
{
    return indexOfAnyCase(text, lowerNeedle) >= 0;
}

bool equalsAnyCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldLower(a[i].unicode()) != foldLower(b[i].unicode()))
            return false;
    }
    return true;
}

int indexOfItem(const QStringList &items, QStringView text)
{
    if (text.isEmpty())
        return -1;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (equalsAnyCase(items[i], text))
            return int(i);
    }
    return -1;
}

QStringView piece(QStringView text, qsizetype position, qsizetype count)
{
    if (position < 1)
        position = 1;
    const qsizetype start = position - 1;
    if (count <= 0 || start >= text.size())
        return {};
    return text.mid(start, qMin(count, text.size() - start));
}

QStringView leftPiece(QStringView text, qsizetype count)
{
    return piece(text, 1, count);
}

QStringView rightPiece(QStringView text, qsizetype count)
{
    if (count <= 0)
        return {};
    return count >= text.size() ? text : text.right(count);
}

} // namespace TextRules
