#pragma once

#include <QStringView>

// Substring search for the parser's short needles ("per sec", "n/a", "spinlock_") in report lines
// of a hundred characters or so, inline. Qt's general substring search hashes every position, and
// even its search for one character costs two calls into the library before it starts: on lines
// this short, both cost more than the plain loops here. The parser writes its needles as
// u"..."sv, whose length is known when compiling; a plain u"..." is measured at every call.
namespace TextSearch {

// 0-based index of `c` in `text` from `from` on, or -1.
inline qsizetype indexOf(QStringView text, QChar c, qsizetype from = 0)
{
    const char16_t *const chars = text.utf16();
    const char16_t wanted = c.unicode();
    for (qsizetype i = qMax<qsizetype>(from, 0); i < text.size(); ++i) {
        if (chars[i] == wanted)
            return i;
    }
    return -1;
}

inline bool contains(QStringView text, QChar c)
{
    return indexOf(text, c) >= 0;
}

// Each place where the needle's first and last characters both fit is compared in full.
inline qsizetype indexOf(QStringView text, QStringView needle, qsizetype from = 0)
{
    const qsizetype n = needle.size();
    if (from < 0)
        from = 0;
    if (n == 0)
        return from <= text.size() ? from : -1;
    const char16_t *const chars = text.utf16();
    const char16_t *const wanted = needle.utf16();
    const char16_t first = wanted[0];
    const char16_t last = wanted[n - 1];
    const qsizetype lastStart = text.size() - n;
    for (qsizetype start = from; start <= lastStart; ++start) {
        if (chars[start] != first || chars[start + n - 1] != last)
            continue;
        qsizetype i = 1;
        while (i < n - 1 && chars[start + i] == wanted[i])
            ++i;
        if (i >= n - 1)
            return start;
    }
    return -1;
}

inline bool contains(QStringView text, QStringView needle)
{
    return indexOf(text, needle) >= 0;
}

} // namespace TextSearch
