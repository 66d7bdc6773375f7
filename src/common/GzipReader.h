#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Reports as archives keep them: gzip-compressed. A file is taken as compressed by its first bytes,
// never by its name, and read as `gzip -d` reads it: members one after the other as one text.
class GzipReader
{
public:
    // True when the bytes begin with the gzip signature 1f 8b.
    static bool isGzip(QByteArrayView bytes);

    // The decompressed bytes of every member in turn. Zero bytes after the last member (the padding
    // of tape archives) are passed over. Throws Failure naming `pathForMessages` when the data is
    // cut off or damaged, or when it decompresses to more than `maxBytes` bytes; the size is
    // checked while decompressing, so a small file that would inflate without end holds no more
    // than `maxBytes` bytes before it is refused.
    static QByteArray inflate(QByteArrayView compressed, qint64 maxBytes, const QString &pathForMessages);

    // Up to `maxBytes` decompressed bytes from the start. Never fails: data that is cut off or
    // damaged gives what came before the fault. `cutOff`, when given, tells whether the data ended
    // before the stream did, so that more of the file could give more.
    static QByteArray inflateHead(QByteArrayView compressed, qint64 maxBytes, bool *cutOff = nullptr);
};
