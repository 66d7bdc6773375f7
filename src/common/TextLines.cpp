#include "TextLines.h"

#include <algorithm>

namespace {

// Rewrites every CR LF and every lone CR in `text` as one '\n', moving the rest forward, and returns
// the new length and the number of breaks.
struct Rewritten
{
    qsizetype size = 0;
    qsizetype breaks = 0;
};

// Most reports end their lines with LF alone: then the breaks only need counting. Blocks of a
// fixed length let the compiler count with vector instructions.
qsizetype countLineFeeds(QStringView text)
{
    constexpr qsizetype block = 64;
    const char16_t *const chars = text.utf16();
    qsizetype breaks = 0;
    qsizetype at = 0;
    for (; at + block <= text.size(); at += block) {
        unsigned short inBlock = 0;
        for (qsizetype i = 0; i < block; ++i)
            inBlock += chars[at + i] == u'\n';
        breaks += inBlock;
    }
    for (; at < text.size(); ++at)
        breaks += chars[at] == u'\n';
    return breaks;
}

Rewritten unifyLineEnds(QString &text)
{
    if (!text.contains(u'\r'))
        return { text.size(), countLineFeeds(text) };
    char16_t *const data = reinterpret_cast<char16_t *>(text.data());
    const qsizetype size = text.size();
    Rewritten result;
    qsizetype out = 0;
    for (qsizetype in = 0; in < size; ++in) {
        char16_t c = data[in];
        if (c <= u'\r') {
            if (c == u'\r') {
                if (in + 1 < size && data[in + 1] == u'\n')
                    continue; // the LF that follows ends the line
                c = u'\n';
            }
            if (c == u'\n')
                ++result.breaks;
        }
        data[out++] = c;
    }
    result.size = out;
    return result;
}

} // namespace

TextLines::TextLines(const QStringList &lines) : text_(lines.join(u'\n')), count_(lines.size())
{ }

TextLines TextLines::fromText(QString text)
{
    TextLines lines;
    if (text.isEmpty())
        return lines;
    const Rewritten rewritten = unifyLineEnds(text);
    text.truncate(rewritten.size);
    lines.count_ = rewritten.breaks;
    if (text.endsWith(u'\n'))
        text.chop(1); // a final break ends the last line and starts none
    else
        ++lines.count_;
    lines.text_ = std::move(text);
    return lines;
}

QStringList TextLines::toStringList() const
{
    QStringList lines;
    lines.reserve(count_);
    for (QStringView line : *this)
        lines.append(line.toString());
    return lines;
}
