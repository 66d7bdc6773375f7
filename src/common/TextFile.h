#pragma once

#include "FileKinds.h"
#include "TextEncoding.h"
#include "TextLines.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

// Whole-file text reading and writing, shared by report loading, counter set files and exports.
class TextFile
{
public:
    struct Content
    {
        QStringList lines;
        TextEncoding encoding = TextEncoding::Utf8;
    };

    static constexpr qint64 noLimit = -1;

    // Reads a whole file: the encoding from its byte-order mark (removed) or its bytes, lines split
    // at CR LF, LF or CR. Throws Failure with a message for the user when the file cannot be read,
    // is not of `kinds`, or holds more than `maxBytes` bytes (never more than that is read, so a
    // device that never ends cannot exhaust the memory). For short files such as counter sets.
    static Content read(const QString &path, qint64 maxBytes = noLimit, FileKinds kinds = FileKinds::RegularOnly);

    // The same for a file of any size, held as one text: a report.
    static TextLines readLines(const QString &path, qint64 maxBytes, FileKinds kinds, TextEncoding *found = nullptr);

    // The file's bytes as they are, with the same failures and the same size limit as read(). A
    // regular file is read by its size; a pipe, which has none, in parts up to the limit. A file
    // that is not of `kinds` is refused before anything blocks on it.
    static QByteArray readBytes(const QString &path, qint64 maxBytes = noLimit,
                                FileKinds kinds = FileKinds::RegularOnly);

    // The first `maxBytes` bytes of the file, or the whole of a shorter one: the failures of
    // readBytes(), but no size limit.
    static QByteArray readStart(const QString &path, qint64 maxBytes, FileKinds kinds = FileKinds::RegularOnly);

    // Decodes a file's bytes as read() does.
    static QString decode(QByteArrayView bytes, TextEncoding *found = nullptr);

    // The encoding to write in so that the file matches one read in `found`: the same encoding,
    // with its byte-order mark, when it had one; otherwise UTF-8 without a mark (UTF-8 keeps every
    // character, where an 8-bit code page would lose some).
    static TextEncoding writeEncodingFor(TextEncoding found);

    // Each line followed by CR LF, in `encoding` with its byte-order mark when it has one.
    static QByteArray encode(const QStringList &lines, TextEncoding encoding);

    // Replaces the file at `path` in one step, so a failed write never leaves half a file behind.
    // Throws Failure when the file cannot be written.
    static void write(const QString &path, const QStringList &lines, TextEncoding encoding);
    // The same for bytes as they are.
    static void writeBytes(const QString &path, const QByteArray &bytes);
};
