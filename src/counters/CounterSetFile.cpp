#include "CounterSetFile.h"

#include "CounterSet.h"
#include "common/CommandGuard.h"
#include "common/Failure.h"
#include "common/TextFile.h"
#include "common/Ui.h"
#include "grid/GridTable.h"

#include <QFileInfo>

#include <algorithm>

namespace CounterSetFile {

namespace {

// A counter set file is short text; a NUL character means the user picked some other kind of file,
// whose "lines" would fill the counter set with garbage.
void refuseBinary(QStringView text, const QString &path)
{
    if (text.contains(QChar(u'\0')))
        throw Failure(QStringLiteral("\"") % path %
                      QStringLiteral("\" is not a counter set file: it holds binary data."));
}

[[noreturn]] void refuseAsWithoutSeparators(const QString &path)
{
    throw Failure(QStringLiteral("'") % path % QStringLiteral("' is not a counter set file: no line holds [+]."));
}

// The shared open dialog keeps the name it last held, so Load Counters may well offer the report
// just loaded. Every line of a counter set file holds the separator; a text without one would
// replace the default counter set with rows of nothing.
void refuseWithoutSeparators(QStringView text, const QString &path)
{
    if (!text.isEmpty() && !text.contains(QStringView(separator)))
        refuseAsWithoutSeparators(path);
}

void refuseWithoutSeparators(const QStringList &lines, const QString &path)
{
    const auto holdsSeparator = [](const QString &line) {
        return line.contains(QStringView(separator));
    };
    if (!lines.isEmpty() && std::none_of(lines.begin(), lines.end(), holdsSeparator))
        refuseAsWithoutSeparators(path);
}

QByteArray readCounterSetBytes(const QString &path)
{
    const QByteArray bytes = TextFile::readBytes(path, maxFileBytes);
    const QString text = TextFile::decode(bytes);
    refuseBinary(text, path);
    refuseWithoutSeparators(text, path);
    return bytes;
}

bool isSameFile(const QString &a, const QString &b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// The bytes are copied as they are, so the default file keeps the picked file's encoding and line
// ends. The old default is replaced in one step: a failed copy leaves it whole.
TextFile::Content readCounterSet(const QString &path, FileKinds kinds)
{
    TextFile::Content content = TextFile::read(path, maxFileBytes, kinds);
    for (const QString &line : std::as_const(content.lines))
        refuseBinary(line, path);
    return content;
}

void replaceDefaultWith(const QString &picked)
{
    const QString target = QString::fromUtf16(defaultFileName);
    if (isSameFile(picked, target))
        return;
    TextFile::writeBytes(target, readCounterSetBytes(picked));
}

void fill(GridTable &counters, const QStringList &lines)
{
    GridTable::BulkUpdate batch(counters);
    counters.clearBody();
    for (const QString &line : lines)
        CounterSet::append(counters, fieldsOf(line));
}

} // namespace

QStringList linesOf(const GridTable &counters)
{
    QStringList lines;
    lines.reserve(counters.rows() - 1);
    for (int row = 1; row < counters.rows(); ++row)
        lines << lineOf(counters, row);
    return lines;
}

QString lineOf(const GridTable &counters, int row)
{
    QString line;
    for (int c = 0; c < CounterSet::columnCount; ++c)
        line += counters.cell(c, row) % QStringView(separator);
    return line;
}

QStringList fieldsOf(const QString &line)
{
    QStringList fields;
    QStringView rest(line);
    for (int i = 0; i < CounterSet::columnCount; ++i) {
        const qsizetype at = rest.indexOf(QStringView(separator));
        if (at < 0) {
            fields << QString();
            rest = rest.size() > 2 ? rest.mid(2) : QStringView();
        } else {
            fields << rest.left(at).toString();
            rest = rest.mid(at + 3);
        }
    }
    return fields;
}

TextEncoding load(GridTable &counters, const QString &path, FileKinds kinds)
{
    const TextFile::Content content = readCounterSet(path, kinds);
    fill(counters, content.lines);
    return content.encoding;
}

TextEncoding loadPicked(GridTable &counters, const QString &path, FileKinds kinds)
{
    const TextFile::Content content = readCounterSet(path, kinds);
    refuseWithoutSeparators(content.lines, path);
    fill(counters, content.lines);
    return content.encoding;
}

void save(const GridTable &counters, const QString &path, TextEncoding encoding)
{
    TextFile::write(path, linesOf(counters), encoding);
}

std::optional<TextEncoding> loadDefault(GridTable &counters, Ui &ui, const QString &errorName)
{
    const QString path = QString::fromUtf16(defaultFileName);
    std::optional<TextEncoding> found;
    CommandGuard::run(ui, errorName, [&] {
        if (!QFileInfo::exists(path))
            return;
        found = load(counters, path);
        ui.setStatus(StatusPanel::Messages, QStringLiteral("Counters Loaded from SysmonCounters.ini"));
    });
    return found;
}

void saveCounters(const GridTable &counters, TextEncoding encoding, Ui &ui)
{
    const QString path = ui.saveFile(QStringLiteral("*.ini"));
    if (path.isEmpty())
        return;
    save(counters, path, encoding);
    ui.setStatus(StatusPanel::Messages, QStringLiteral("Counters Exported to ") % path);
}

std::optional<TextEncoding> loadCounters(GridTable &counters, Ui &ui, const QString &copyErrorName,
                                         const QString &loadErrorName)
{
    const QString picked = ui.openFiles(false, std::nullopt).value(0);
    if (!picked.isEmpty()) {
        // Reloading the old default after a failed copy would pass off the user's pick as loaded
        // and throw away the counters on screen; both stay as they were instead.
        const bool copied = CommandGuard::run(ui, copyErrorName, [&] { replaceDefaultWith(picked); });
        if (!copied)
            return std::nullopt;
    }
    return loadDefault(counters, ui, loadErrorName);
}

} // namespace CounterSetFile
