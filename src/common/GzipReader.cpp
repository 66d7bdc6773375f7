#include "GzipReader.h"

#include "Failure.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <new>

namespace {

// zlib's window bits that take the gzip wrapper only: a bare zlib or deflate stream is no gzip file.
constexpr int gzipWrapperOnly = 16 + MAX_WBITS;
// Deflate gives at most 1032 bytes for one compressed byte.
constexpr qint64 mostBytesPerCompressedByte = 1032;
constexpr qsizetype smallestBuffer = 64 * 1024;
// zlib counts its input in unsigned int.
constexpr qsizetype largestInputPart = 1 << 30;

enum class Ending { Complete, CutOff, Damaged, TooLarge };

struct Inflated
{
    QByteArray bytes;
    Ending ending = Ending::Complete;
    QString damage; // zlib's words for what is wrong with damaged data
};

// A zlib inflate stream, ended when it goes.
class InflateStream
{
public:
    InflateStream()
    {
        if (inflateInit2(&stream_, gzipWrapperOnly) != Z_OK)
            throw std::bad_alloc();
    }
    ~InflateStream() { inflateEnd(&stream_); }
    InflateStream(const InflateStream &) = delete;
    InflateStream &operator=(const InflateStream &) = delete;

    z_stream &operator*() { return stream_; }
    z_stream *operator->() { return &stream_; }

private:
    z_stream stream_ {};
};

// Each member's trailer states its size (modulo 4 GiB): the usual file of one member then fits in
// the first buffer. The statement is not trusted beyond what the input can give and the limit.
qsizetype firstBufferSize(QByteArrayView compressed, qint64 limit)
{
    qint64 stated = 0;
    if (compressed.size() >= 4) {
        for (qsizetype i = compressed.size() - 1; i >= compressed.size() - 4; --i)
            stated = (stated << 8) | static_cast<unsigned char>(compressed[i]);
    }
    const qint64 possible = qint64(compressed.size()) * mostBytesPerCompressedByte;
    // One byte more than stated, so the stream's end is found without growing the buffer.
    return qsizetype(std::min(limit, std::max<qint64>(smallestBuffer, std::min(stated + 1, possible))));
}

// Tape archives pad their files with zero bytes; gzip passes over them.
bool isPadding(QByteArrayView rest)
{
    return std::all_of(rest.begin(), rest.end(), [](char byte) { return byte == 0; });
}

// Decompresses member after member until the input ends, the data turns out cut off or damaged, or
// the output reaches `limit` bytes (then the bytes are `limit` long and the ending is TooLarge).
Inflated inflateUpTo(QByteArrayView compressed, qint64 limit)
{
    Inflated result;
    QByteArray &out = result.bytes;
    out.resize(firstBufferSize(compressed, limit));
    qsizetype filled = 0;
    qsizetype given = 0; // input handed to zlib so far
    InflateStream stream;
    for (;;) {
        if (stream->avail_in == 0 && given < compressed.size()) {
            const qsizetype part = std::min(largestInputPart, compressed.size() - given);
            stream->next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.data() + given));
            stream->avail_in = uInt(part);
            given += part;
        }
        if (filled == out.size()) {
            if (filled >= limit) {
                result.ending = Ending::TooLarge;
                break;
            }
            out.resize(qsizetype(std::min<qint64>(limit, qint64(out.size()) * 2)));
        }
        stream->next_out = reinterpret_cast<Bytef *>(out.data() + filled);
        stream->avail_out = uInt(std::min<qsizetype>(out.size() - filled, std::numeric_limits<uInt>::max()));
        const int status = inflate(&*stream, Z_NO_FLUSH);
        filled = reinterpret_cast<char *>(stream->next_out) - out.data();
        if (status == Z_MEM_ERROR)
            throw std::bad_alloc();
        if (status == Z_STREAM_END) {
            const QByteArrayView rest = compressed.sliced(given - stream->avail_in);
            if (GzipReader::isGzip(rest) || (rest.size() == 1 && rest[0] == '\x1f')) {
                inflateReset(&*stream);
                continue;
            }
            if (!isPadding(rest)) {
                result.ending = Ending::Damaged;
                result.damage = QStringLiteral("unexpected bytes after the compressed data");
            }
            break;
        }
        if (status == Z_OK || status == Z_BUF_ERROR) {
            if (stream->avail_in == 0 && given == compressed.size() && stream->avail_out != 0) {
                result.ending = Ending::CutOff;
                break;
            }
            // Z_BUF_ERROR only asks for more input or more room.
            if (status == Z_OK || stream->avail_in == 0 || stream->avail_out == 0)
                continue;
        }
        result.ending = Ending::Damaged;
        result.damage = QString::fromLatin1(stream->msg ? stream->msg : "it cannot be decompressed");
        break;
    }
    // The last member may end exactly at the limit.
    if (filled >= limit)
        result.ending = Ending::TooLarge;
    out.truncate(filled);
    return result;
}

Failure cannotRead(const QString &path, const QString &why)
{
    return Failure(QStringLiteral("Cannot read file \"") % path % QStringLiteral("\". ") % why);
}

} // namespace

bool GzipReader::isGzip(QByteArrayView bytes)
{
    return bytes.startsWith("\x1f\x8b");
}

QByteArray GzipReader::inflate(QByteArrayView compressed, qint64 maxBytes, const QString &pathForMessages)
{
    // One byte beyond the limit shows the text too large.
    Inflated inflated = inflateUpTo(compressed, maxBytes + 1);
    switch (inflated.ending) {
    case Ending::Complete:
        return std::move(inflated.bytes);
    case Ending::CutOff:
        throw cannotRead(pathForMessages, QStringLiteral("Its gzip-compressed data is cut off."));
    case Ending::Damaged:
        throw cannotRead(pathForMessages,
                         QStringLiteral("Its gzip-compressed data is damaged: ") % inflated.damage % u'.');
    case Ending::TooLarge:
        break;
    }
    throw Failure(QStringLiteral("File \"") % pathForMessages % QStringLiteral("\" is too large: more than ") %
                  QString::number(maxBytes) % QStringLiteral(" bytes when decompressed."));
}

QByteArray GzipReader::inflateHead(QByteArrayView compressed, qint64 maxBytes, bool *cutOff)
{
    Inflated inflated = inflateUpTo(compressed, maxBytes);
    if (cutOff)
        *cutOff = inflated.ending == Ending::CutOff;
    return std::move(inflated.bytes);
}
