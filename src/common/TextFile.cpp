#include "TextFile.h"

#include "Failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The most one read() asks for, and the part a pipe is read in.
constexpr qsizetype bytesPerRead = 4 * 1024 * 1024;
constexpr qsizetype pipeBytesPerRead = 64 * 1024;

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

Failure cannotOpen(const QString &path, const QString &why)
{
    return Failure(QStringLiteral("Cannot open file \"") % path % QStringLiteral("\". ") % why);
}

Failure cannotRead(const QString &path, int error)
{
    return Failure(QStringLiteral("Cannot read file \"") % path % QStringLiteral("\". ") % systemError(error));
}

Failure tooLarge(const QString &path, qint64 maxBytes)
{
    return Failure(QStringLiteral("File \"") % path % QStringLiteral("\" is too large: more than ") %
                   QString::number(maxBytes) % QStringLiteral(" bytes."));
}

// An open file, closed when it goes. A file the window may read is opened without waiting (a FIFO
// without a writer would block open() for ever) and refused unless it is a regular file; the
// command line opens pipes and FIFOs as any tool does, waiting for their writer.
class OpenFile
{
public:
    OpenFile(const QString &path, FileKinds kinds) : path_(path)
    {
        const QByteArray name = QFile::encodeName(path);
        const int flags = O_RDONLY | O_CLOEXEC | (kinds == FileKinds::RegularOnly ? O_NONBLOCK : 0);
        do {
            fd_ = ::open(name.constData(), flags);
        } while (fd_ < 0 && errno == EINTR);
        if (fd_ < 0)
            throw cannotOpen(path, systemError(errno));
        struct stat status = {};
        if (::fstat(fd_, &status) != 0)
            refuse(cannotOpen(path, systemError(errno)));
        regular_ = S_ISREG(status.st_mode);
        size_ = status.st_size;
        if (kinds == FileKinds::RegularOnly && !regular_)
            refuse(Failure(QStringLiteral("File \"") % path % QStringLiteral("\" is not a regular file.")));
    }
    ~OpenFile() { ::close(fd_); }
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;

    bool isRegular() const { return regular_; }
    qint64 size() const { return size_; }

    // Up to `count` bytes into `into`; 0 at the end of the file.
    qsizetype readSome(char *into, qsizetype count)
    {
        for (;;) {
            const ssize_t got = ::read(fd_, into, std::size_t(count));
            if (got >= 0)
                return got;
            if (errno != EINTR)
                throw cannotRead(path_, errno);
        }
    }

private:
    // The destructor of an object whose construction fails does not run.
    [[noreturn]] void refuse(const Failure &failure)
    {
        ::close(fd_);
        throw failure;
    }

    const QString &path_;
    int fd_ = -1;
    bool regular_ = false;
    qint64 size_ = 0;
};

// Reads to the end of the file, and never more than a part beyond the limit. A regular file's
// bytes fit at once, with room for one more byte that finds the end; a pipe, which has no size,
// and a file that grows meanwhile fill the buffer in parts.
QByteArray readToEnd(OpenFile &file, const QString &path, qint64 maxBytes)
{
    const qint64 limit = maxBytes == TextFile::noLimit ? std::numeric_limits<qsizetype>::max() - 1 : maxBytes;
    if (file.isRegular() && file.size() > limit)
        throw tooLarge(path, maxBytes);
    QByteArray bytes(file.isRegular() ? qsizetype(file.size()) + 1 : pipeBytesPerRead, Qt::Uninitialized);
    qsizetype filled = 0;
    while (const qsizetype got = file.readSome(bytes.data() + filled, std::min(bytesPerRead, bytes.size() - filled))) {
        filled += got;
        if (filled > limit)
            throw tooLarge(path, maxBytes);
        if (filled == bytes.size())
            bytes.resize(filled + pipeBytesPerRead);
    }
    bytes.truncate(filled);
    return bytes;
}

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

// Decodes the whole body at once. The decoder drops a byte-order mark at the body's start, as it
// always has: a file that begins with two marks loses both.
QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView body, bool *invalid)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text(decoder.requiredSpace(body.size()), Qt::Uninitialized);
    const QChar *end = decoder.appendToBuffer(text.data(), body);
    text.truncate(end - text.constData());
    if (invalid)
        *invalid = decoder.hasError();
    return text;
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

QString TextFile::decode(QByteArrayView bytes, TextEncoding *found)
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
        bool invalid = false;
        text = decodeWith(QStringConverter::Utf8, body, &invalid);
        if (invalid) {
            encoding = TextEncoding::Windows1252;
            text.clear(); // before the second text is made, not after
            text = decodeWindows1252(body);
        }
    } else {
        text = decodeWith(converterFor(encoding), body, nullptr);
    }
    if (found)
        *found = encoding;
    return text;
}

QByteArray TextFile::readBytes(const QString &path, qint64 maxBytes, FileKinds kinds)
{
    OpenFile file(path, kinds);
    return readToEnd(file, path, maxBytes);
}

QByteArray TextFile::readStart(const QString &path, qint64 maxBytes, FileKinds kinds)
{
    OpenFile file(path, kinds);
    QByteArray bytes(qsizetype(file.isRegular() ? std::min(maxBytes, file.size()) : maxBytes), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const qsizetype got = file.readSome(bytes.data() + filled, bytes.size() - filled);
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

TextLines TextFile::readLines(const QString &path, qint64 maxBytes, FileKinds kinds, TextEncoding *found)
{
    return TextLines::fromText(decode(readBytes(path, maxBytes, kinds), found));
}

TextFile::Content TextFile::read(const QString &path, qint64 maxBytes, FileKinds kinds)
{
    Content content;
    content.lines = readLines(path, maxBytes, kinds, &content.encoding).toStringList();
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
    // Otherwise the system's bare "No such file or directory" would leave the user guessing.
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(folder)) {
        throw Failure(QStringLiteral("Cannot create file \"") % path % QStringLiteral("\": the folder \"") %
                      QDir::toNativeSeparators(folder) % QStringLiteral("\" does not exist."));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Failure(QStringLiteral("Cannot create file \"") % path % QStringLiteral("\". ") % file.errorString());
    // QSaveFile::commit() misses a write error that shows only when its buffer is flushed (a full
    // disk, a file size limit) and would put the cut-off file in place: flushing first catches it,
    // and the unfinished temporary file is then dropped.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        throw Failure(QStringLiteral("Cannot write file \"") % path % QStringLiteral("\". ") % file.errorString());
}
