#include "TextFile.h"

#include "Failure.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned bytes keep their own
// code points, as Windows itself maps them, so no byte is ever lost.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? windows1252High[b - 0x80] : char16_t(b);
    }
    return text;
}

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder(bytes);
}

QStringConverter::Encoding converterFor(TextEncoding e)
{
    switch (e) {
    case TextEncoding::Utf16LE:
        return QStringConverter::Utf16LE;
    case TextEncoding::Utf16BE:
        return QStringConverter::Utf16BE;
    default:
        return QStringConverter::Utf8;
    }
}

} // namespace

QString TextFile::decode(const QByteArray &bytes, TextEncoding *found)
{
    TextEncoding encoding = TextEncoding::Utf8;
    QByteArrayView body(bytes);
    if (body.startsWith("\xEF\xBB\xBF")) {
        encoding = TextEncoding::Utf8WithMark;
        body = body.sliced(3);
    } else if (body.startsWith("\xFF\xFE")) {
        encoding = TextEncoding::Utf16LE;
        body = body.sliced(2);
    } else if (body.startsWith("\xFE\xFF")) {
        encoding = TextEncoding::Utf16BE;
        body = body.sliced(2);
    }
    QString text;
    if (encoding == TextEncoding::Utf8) {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        text = decoder(body);
        if (decoder.hasError()) {
            encoding = TextEncoding::Windows1252;
            text = decodeWindows1252(body);
        }
    } else {
        text = decodeWith(converterFor(encoding), body);
    }
    if (found)
        *found = encoding;
    return text;
}

QStringList TextFile::splitLines(QStringView text)
{
    QStringList lines;
    const QChar *data = text.data();
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (c != u'\n' && c != u'\r')
            continue;
        lines.append(QString(data + start, i - start));
        if (c == u'\r' && i + 1 < size && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(QString(data + start, size - start));
    return lines;
}

QByteArray TextFile::readBytes(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Cannot open file \"") % path % QStringLiteral("\". ") % file.errorString());
    const auto tooLarge = [&] {
        return Failure(QStringLiteral("File \"") % path % QStringLiteral("\" is too large: more than ") %
                       QString::number(maxBytes) % QStringLiteral(" bytes."));
    };
    if (maxBytes != noLimit && file.size() > maxBytes)
        throw tooLarge();
    const QByteArray bytes = maxBytes == noLimit ? file.readAll() : file.read(maxBytes + 1);
    if (maxBytes != noLimit && bytes.size() > maxBytes)
        throw tooLarge();
    if (file.error() != QFileDevice::NoError)
        throw Failure(QStringLiteral("Cannot read file \"") % path % QStringLiteral("\". ") % file.errorString());
    return bytes;
}

TextFile::Content TextFile::read(const QString &path, qint64 maxBytes)
{
    Content content;
    content.lines = splitLines(decode(readBytes(path, maxBytes), &content.encoding));
    return content;
}

TextEncoding TextFile::writeEncodingFor(TextEncoding found)
{
    return hasByteOrderMark(found) ? found : TextEncoding::Utf8;
}

QByteArray TextFile::encode(const QStringList &lines, TextEncoding encoding)
{
    QByteArray bytes;
    switch (encoding) {
    case TextEncoding::Utf8WithMark:
        bytes = QByteArrayLiteral("\xEF\xBB\xBF");
        break;
    case TextEncoding::Utf16LE:
        bytes = QByteArrayLiteral("\xFF\xFE");
        break;
    case TextEncoding::Utf16BE:
        bytes = QByteArrayLiteral("\xFE\xFF");
        break;
    default:
        break;
    }
    // Line by line: a digest export runs to megabytes, and the whole text would be held twice.
    QStringEncoder encoder(converterFor(encoding), QStringConverter::Flag::Stateless);
    qsizetype size = bytes.size();
    for (const QString &line : lines)
        size += line.size() + 2;
    bytes.reserve(size);
    for (const QString &line : lines) {
        bytes += encoder(line);
        bytes += encoder(u"\r\n");
    }
    return bytes;
}

void TextFile::write(const QString &path, const QStringList &lines, TextEncoding encoding)
{
    writeBytes(path, encode(lines, encoding));
}

void TextFile::writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Failure(QStringLiteral("Cannot create file \"") % path % QStringLiteral("\". ") % file.errorString());
    // QSaveFile::commit() misses a write error that shows only when its buffer is flushed (a full
    // disk, a file size limit) and would put the cut-off file in place: flushing first catches it,
    // and the unfinished temporary file is then dropped.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        throw Failure(QStringLiteral("Cannot write file \"") % path % QStringLiteral("\". ") % file.errorString());
}
