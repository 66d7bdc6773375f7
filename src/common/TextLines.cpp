#include "TextLines.h"

#include "WorkPacer.h"

#include <algorithm>

namespace {

// Characters between two ticks of the pacer: a few milliseconds of work.
constexpr qsizetype charactersPerTick = 4 * 1024 * 1024;

// Rewrites every CR LF and every lone CR in `text` as one '\n', moving the rest forward, and returns
// the new length and the number of breaks.
struct Rewritten
{
    qsizetype size = 0;
    qsizetype breaks = 0;
};

// Most reports end their lines with LF alone: then the breaks only need counting. Blocks of a
// fixed length let the compiler count with vector instructions.
qsizetype countLineFeeds(QStringView text, WorkPacer *pacer)
{
    constexpr qsizetype block = 64;
    const char16_t *const chars = text.utf16();
    qsizetype breaks = 0;
    qsizetype at = 0;
    while (at + block <= text.size()) {
        const qsizetype partEnd = at + std::min(charactersPerTick, (text.size() - at) / block * block);
        for (; at < partEnd; at += block) {
            unsigned short inBlock = 0;
            for (qsizetype i = 0; i < block; ++i)
                inBlock += chars[at + i] == u'\n';
            breaks += inBlock;
        }
        if (pacer)
            pacer->tickNow();
    }
    for (; at < text.size(); ++at)
        breaks += chars[at] == u'\n';
    return breaks;
}

Rewritten unifyLineEnds(QString &text, WorkPacer *pacer)
{
    if (!text.contains(u'\r'))
        return { text.size(), countLineFeeds(text, pacer) };
    char16_t *const data = reinterpret_cast<char16_t *>(text.data());
    const qsizetype size = text.size();
    Rewritten result;
    qsizetype out = 0;
    for (qsizetype partStart = 0; partStart < size; partStart += charactersPerTick) {
        const qsizetype partEnd = std::min(size, partStart + charactersPerTick);
        for (qsizetype in = partStart; in < partEnd; ++in) {
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
        if (pacer)
            pacer->tickNow();
    }
    result.size = out;
    return result;
}

} // namespace

TextLines::TextLines(const QStringList &lines) : text_(lines.join(u'\n')), count_(lines.size())
{ }

TextLines TextLines::fromText(QString text, WorkPacer *pacer)
{
    TextLines lines;
    if (text.isEmpty())
        return lines;
    const Rewritten rewritten = unifyLineEnds(text, pacer);
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
