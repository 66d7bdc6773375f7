// Any bytes as a report file that may be gzip-compressed: decompressed whole within a limit, and
// read by its head as a folder's files are told apart. Data may be refused with a message; it must
// never crash, hang or touch memory it does not own. Whatever a start of the data gives must be a
// start of what the whole gives, and the head of a file must be the start of its text.
#include "MemoryFile.h"
#include "common/Failure.h"
#include "common/GzipReader.h"
#include "report/ReportLoader.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr qint64 limit = 1024 * 1024;

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static MemoryFile file;
    const QByteArrayView bytes(data, qsizetype(size));
    const bool compressed = GzipReader::isGzip(bytes);
    QByteArray whole;
    bool complete = true;
    try {
        whole = GzipReader::inflate(bytes, limit, QStringLiteral("fuzz.gz"));
    } catch (const Failure &) {
        complete = false;
    }

    const QByteArray head = GzipReader::inflateHead(bytes, limit);
    const std::uint8_t last = size > 0 ? data[size - 1] : 0;
    const QByteArray ofStart = GzipReader::inflateHead(bytes.first(qsizetype(size * last / 256)), limit);
    if (!head.startsWith(ofStart) || (complete && head != whole))
        std::abort();

    const qsizetype characters = 1 + last * 16;
    QString text;
    try {
        text = ReportLoader::head(file.fill(data, size), characters);
    } catch (const Failure &) {
        std::abort(); // a file that can be opened and read always has a head
    }
    const QByteArrayView expected = compressed ? QByteArrayView(head) : bytes;
    if (isAscii(expected) && text != QString::fromLatin1(expected.first(std::min(expected.size(), characters))))
        std::abort();
    return 0;
}
