// Any text as the sample time of a digest report column, read as the chart reads it, in both
// modes: it either converts or fails with a message; it never crashes and never loops.
#include "chart/SampleTimeConversion.h"
#include "common/Failure.h"

#include <QString>

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks how the rest becomes the cell's text: UTF-8 (what seeds and the
    // dictionary are written in), or any UTF-16 code units, lone surrogates included.
    const auto *rest = reinterpret_cast<const char *>(data + 1);
    const qsizetype restSize = qsizetype(size - 1);
    QString text;
    if (data[0] & 1) {
        text = QString(restSize / 2, Qt::Uninitialized);
        std::memcpy(text.data(), rest, std::size_t(text.size()) * sizeof(QChar));
    } else {
        text = QString::fromUtf8(rest, restSize);
    }
    for (const bool timeOnly : { false, true }) {
        try {
            (void)SampleTimeConversion::toDateTime(text, timeOnly);
        } catch (const Failure &) { }
    }
    return 0;
}
