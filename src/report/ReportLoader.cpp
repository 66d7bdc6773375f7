#include "ReportLoader.h"

#include "common/GzipReader.h"
#include "common/TextFile.h"
#include "common/TextRules.h"

#include <QFileInfo>

namespace ReportLoader {

namespace {

// The bytes that tell a compressed file.
constexpr qint64 gzipMarkBytes = 2;

// A byte-order mark, then at most three bytes per character (UTF-8), and a little over.
qint64 headBytesFor(qsizetype maxCharacters)
{
    return qint64(maxCharacters) * 3 + 8;
}

// A gzip header may carry a name or a comment of any length before the data: the start read grows
// until it gives the bytes wanted, the data ends, or the file is read whole.
QByteArray decompressedStart(const QString &path, QByteArray start, qint64 wanted)
{
    for (qint64 read = wanted;;) {
        bool cutOff = false;
        QByteArray bytes = GzipReader::inflateHead(start, wanted, &cutOff);
        if (!cutOff || start.size() < read || read >= maxReportBytes)
            return bytes;
        read *= 2;
        start = TextFile::readStart(path, read);
    }
}

// A start cut inside a UTF-8 character would not be valid UTF-8, and would be decoded as an 8-bit
// text: the cut character goes.
QByteArrayView withoutCutCharacter(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return bytes;
    for (qsizetype back = 1; back <= std::min<qsizetype>(4, bytes.size()); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if (byte < 0x80)
            return bytes;
        if (byte >= 0xC0) {
            const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
            return length > back ? bytes.chopped(back) : bytes;
        }
    }
    return bytes;
}

} // namespace

TextLines load(const QString &path, FileKinds kinds)
{
    // A plain report on disk is read and decoded a part at a time, so that its bytes are never held
    // whole beside its text. A pipe cannot be looked into first: it is read whole.
    if (QFileInfo(path).isFile() && !GzipReader::isGzip(TextFile::readStart(path, gzipMarkBytes, kinds)))
        return TextFile::readLines(path, maxReportBytes, kinds);
    QByteArray bytes = TextFile::readBytes(path, maxReportBytes, kinds);
    if (GzipReader::isGzip(bytes))
        bytes = GzipReader::inflate(bytes, maxReportBytes, path);
    QString text = TextFile::decode(bytes);
    bytes.clear(); // before the lines are split, not after
    return TextLines::fromText(std::move(text));
}

QString head(const QString &path, qsizetype maxCharacters)
{
    if (maxCharacters <= 0)
        return QString();
    const qint64 wanted = headBytesFor(maxCharacters);
    QByteArray bytes = TextFile::readStart(path, wanted);
    if (GzipReader::isGzip(bytes))
        bytes = decompressedStart(path, std::move(bytes), wanted);
    QString text = TextFile::decode(bytes.size() < wanted ? bytes : withoutCutCharacter(bytes));
    if (text.size() > maxCharacters) {
        text.truncate(maxCharacters);
        if (text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

QString loadedStatus(const QString &path)
{
    return QStringLiteral("Loaded ...") % TextRules::rightPiece(path, 31);
}

} // namespace ReportLoader
