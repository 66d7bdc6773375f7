#pragma once

#include "TextEncoding.h"
#include "TextFile.h"

#include <QString>
#include <QStringList>

// The process-wide line buffer of counter set files and exports. Its lines are replaced by every
// user; what carries over from one command to the next is the encoding of the last file read into
// it, which every later write uses, so a counter set file saved with a byte-order mark is written
// back the same way.
class TextLineList
{
public:
    QStringList lines;

    // Replaces the lines with the file's and remembers its encoding. Throws Failure, leaving the
    // lines and the encoding as they were, also when the file holds more than `maxBytes` bytes.
    void loadFromFile(const QString &path, qint64 maxBytes = TextFile::noLimit);

    // Writes the lines, each ended by CR LF, in the remembered encoding: with its byte-order mark
    // when the last file read had one, otherwise UTF-8 without a mark (UTF-8 keeps every
    // character, where an 8-bit code page would lose some). Throws Failure.
    void saveToFile(const QString &path) const;

    TextEncoding writeEncoding() const;

private:
    TextEncoding remembered_ = TextEncoding::Utf8;
};
