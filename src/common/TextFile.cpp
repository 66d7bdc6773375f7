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
// The largest part a regular file is read and decoded in.
constexpr qsizetype bytesPerDecodedRead = 1024 * 1024;

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

    void rewind()
    {
        if (::lseek(fd_, 0, SEEK_SET) != 0)
            throw cannotRead(path_, errno);
    }

    // As many bytes as fit into `into` from `at` on; fewer only at the end of the file.
    qsizetype readFull(QByteArray &into, qsizetype at)
    {
        while (at < into.size()) {
            const qsizetype got = readSome(into.data() + at, into.size() - at);
            if (got == 0)
                break;
            at += got;
        }
        return at;
    }

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

// Where a part of the text that starts at `start` may end, so that it decodes alone exactly as it
// does within the whole: in UTF-8 right after an ASCII byte, which ends whatever came before it
// (reports are mostly ASCII; failing that, before a byte that starts a character); in UTF-16
// after a whole unit (surrogates pass through the decoder as they are).
qsizetype cutBefore(QStringConverter::Encoding encoding, QByteArrayView body, qsizetype start, qsizetype end)
{
    if (encoding != QStringConverter::Utf8)
        return end - (end - start) % 2;
    const auto byte = [&](qsizetype i) {
        return static_cast<unsigned char>(body[i]);
    };
    for (qsizetype back = 0; back < 64 && end - back - 1 > start; ++back) {
        if (byte(end - back - 1) < 0x80)
            return end - back;
    }
    while (end > start + 1 && (byte(end) & 0xC0) == 0x80)
        --end;
    return end;
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

// The encoding a file's first bytes announce with a byte-order mark, and the mark's length.
std::pair<TextEncoding, qsizetype> byteOrderMark(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return { TextEncoding::Utf8WithMark, 3 };
    if (bytes.startsWith("\xFF\xFE"))
        return { TextEncoding::Utf16LE, 2 };
    if (bytes.startsWith("\xFE\xFF"))
        return { TextEncoding::Utf16BE, 2 };
    return { TextEncoding::Utf8, 0 };
}

// A regular file read and decoded a part at a time, so that its bytes are never held whole beside
// its text: a report's text alone takes twice its bytes. Each part ends where decode() would end
// one, so the text is the same. Bytes that turn out not to be UTF-8 send the reading back to the
// start to take every byte as Windows-1252, as decode() does.
class PartwiseText
{
public:
    // A file that fits one part is read in one part of its size (a few kilobytes at least, in case it
    // has grown since).
    PartwiseText(OpenFile &file, const QString &path, qint64 limit) :
        file_(file),
        path_(path),
        limit_(limit),
        partBytes_(qsizetype(std::clamp(file.size() + 1, qint64(4096), qint64(bytesPerDecodedRead))))
    { }

    QString read(TextEncoding *found)
    {
        QByteArray part(partBytes_, Qt::Uninitialized);
        qsizetype held = fill(part, 0);
        const auto [encoding, markLength] = byteOrderMark(QByteArrayView(part.constData(), held));
        held = dropFront(part, markLength, held);
        QString text;
        const bool utf8 = decodeParts(converterFor(encoding), part, held, encoding == TextEncoding::Utf8, text);
        if (found)
            *found = utf8 ? encoding : TextEncoding::Windows1252;
        if (utf8)
            return text;
        text.clear(); // before the second text is made, not after
        return readAsWindows1252();
    }

private:
    // Reads on after the `held` bytes of `part`, counting the bytes against the limit.
    qsizetype fill(QByteArray &part, qsizetype held)
    {
        const qsizetype filled = file_.readFull(part, held);
        atEnd_ = filled < part.size();
        read_ += filled - held;
        if (read_ > limit_)
            throw tooLarge(path_, limit_);
        return filled;
    }

    // Moves what follows the first `count` of the `held` bytes to the front; returns how many that is.
    static qsizetype dropFront(QByteArray &part, qsizetype count, qsizetype held)
    {
        std::memmove(part.data(), part.constData() + count, std::size_t(held - count));
        return held - count;
    }

    // False when `checkUtf8` and the bytes are not UTF-8.
    bool decodeParts(QStringConverter::Encoding encoding, QByteArray &part, qsizetype held, bool checkUtf8,
                     QString &text)
    {
        QStringDecoder first(encoding, QStringConverter::Flag::Stateless);
        QStringDecoder later(encoding, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        text = QString(first.requiredSpace(std::max(qint64(held), file_.size())), Qt::Uninitialized);
        qsizetype written = 0;
        for (bool atStart = true;; atStart = false) {
            const QByteArrayView bytes(part.constData(), held);
            // A cut is chosen by looking at the byte after it, which must be one already read.
            const qsizetype end = atEnd_ ? held : cutBefore(encoding, bytes, 0, held - 1);
            QStringDecoder &decoder = atStart ? first : later;
            if (text.size() - written < decoder.requiredSpace(end))
                text.resize(written + decoder.requiredSpace(end) + partBytes_);
            written = decoder.appendToBuffer(text.data() + written, bytes.first(end)) - text.constData();
            if (checkUtf8 && decoder.hasError())
                return false;
            if (atEnd_)
                break;
            held = fill(part, dropFront(part, end, held));
        }
        text.truncate(written);
        return true;
    }

    QString readAsWindows1252()
    {
        file_.rewind();
        read_ = 0;
        QString text;
        text.reserve(file_.size());
        QByteArray part(partBytes_, Qt::Uninitialized);
        for (;;) {
            const qsizetype held = fill(part, 0);
            text += decodeWindows1252(QByteArrayView(part.constData(), held));
            if (atEnd_)
                return text;
        }
    }

    OpenFile &file_;
    const QString &path_;
    qint64 limit_;
    qsizetype partBytes_;
    qint64 read_ = 0;
    bool atEnd_ = false;
};

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
    QString text;
    {
        OpenFile file(path, kinds);
        if (file.isRegular()) {
            const qint64 limit = maxBytes == noLimit ? std::numeric_limits<qsizetype>::max() - 1 : maxBytes;
            if (file.size() > limit)
                throw tooLarge(path, maxBytes);
            text = PartwiseText(file, path, limit).read(found);
        } else {
            text = decode(readToEnd(file, path, maxBytes), found);
        }
    }
    return TextLines::fromText(std::move(text));
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
