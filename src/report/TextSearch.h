#pragma once

#include <QStringView>

// Substring search for the parser's short needles ("per sec", "n/a", "spinlock_") in report lines
// of a hundred characters or so. It finds each place of the needle's first character with Qt's
// vectorised character scan and compares the rest there; Qt's general substring search hashes every
// position, which made it the larger part of a parse.
namespace TextSearch {

inline qsizetype indexOf(QStringView text, QStringView needle, qsizetype from = 0)
{
    const qsizetype n = needle.size();
    if (from < 0)
        from = 0;
    if (n == 0)
        return from <= text.size() ? from : -1;
    const qsizetype lastStart = text.size() - n;
    const QChar first = needle.front();
    const char16_t *const chars = text.utf16();
    const char16_t *const wanted = needle.utf16();
    for (qsizetype start = from; start <= lastStart; ++start) {
        const qsizetype found = text.mid(start, lastStart - start + 1).indexOf(first);
        if (found < 0)
            return -1;
        start += found;
        qsizetype i = 1;
        while (i < n && chars[start + i] == wanted[i])
            ++i;
        if (i == n)
            return start;
    }
    return -1;
}

inline bool contains(QStringView text, QStringView needle)
{
    return indexOf(text, needle) >= 0;
}

} // namespace TextSearch
