#include "TextLineList.h"

#include "TextFile.h"

void TextLineList::loadFromFile(const QString &path, qint64 maxBytes)
{
    TextFile::Content content = TextFile::read(path, maxBytes);
    lines = std::move(content.lines);
    remembered_ = content.encoding;
}

TextEncoding TextLineList::writeEncoding() const
{
    return hasByteOrderMark(remembered_) ? remembered_ : TextEncoding::Utf8;
}

void TextLineList::saveToFile(const QString &path) const
{
    TextFile::write(path, lines, writeEncoding());
}
