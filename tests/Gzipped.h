#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <zlib.h>

#include <cstdlib>

// The bytes as `gzip` compresses them: one member at the default level. Tests make their
// compressed reports with it instead of storing them, so a compressed copy never drifts from its
// report.
inline QByteArray gzipped(QByteArrayView bytes)
{
    z_stream stream {};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        std::abort();
    QByteArray out(qsizetype(deflateBound(&stream, uLong(bytes.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.data()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    if (deflate(&stream, Z_FINISH) != Z_STREAM_END)
        std::abort();
    out.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}
