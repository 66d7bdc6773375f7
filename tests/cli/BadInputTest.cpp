// quorvel-cli sections against what a hostile or careless user hands it: every row states the exit
// status, a piece of what the command says or writes, and that no input file changed. A command that
// cannot run (2) writes nothing.
#include "Gzipped.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

namespace {

using namespace Qt::Literals::StringLiterals;

const QString cli = QStringLiteral(QUORVEL_CLI);
const QString report = QStringLiteral(QUORVEL_TEST_DATA "/cli/report.txt");

// Under AddressSanitizer a process reserves far more address space than any limit below allows.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool addressSpaceCanBeLimited = false;
#else
constexpr bool addressSpaceCanBeLimited = true;
#endif
// Far above what the command needs for a small report, far below a 64 MB read buffer and its text.
constexpr rlim_t tightAddressSpace = 100 * 1024 * 1024;

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray utf16WithMark(const QByteArray &utf8)
{
    const QString text = QString::fromUtf8(utf8);
    return QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

struct CliRun
{
    int exitStatus = -1;
    QByteArray out;
    QByteArray err;
};

// Where one row runs: a folder of its own holding the input "r.txt" unless the row makes another.
struct Place
{
    QTemporaryDir dir;
    QString input = dir.filePath(u"r.txt"_s);
    QString standardInput; // a file for the command's standard input
    std::function<void()> whileRunning; // e.g. a writer on the other side of a FIFO

    QString path(const QString &name) const { return dir.filePath(name); }
};

struct Row
{
    const char *name;
    std::function<void(Place &)> prepare;
    QStringList arguments; // after "sections"; "IN" is the input's path
    int exitStatus;
    QByteArray said; // a piece of standard error, or of standard output when the row succeeds
    bool underMemoryLimit = false;
};

CliRun runCli(Place &place, const QStringList &arguments, bool underMemoryLimit)
{
    QProcess process;
    process.setWorkingDirectory(place.dir.path());
    if (!place.standardInput.isEmpty())
        process.setStandardInputFile(place.standardInput);
    if (underMemoryLimit) {
        process.setChildProcessModifier([] {
            const rlimit limit { tightAddressSpace, tightAddressSpace };
            setrlimit(RLIMIT_AS, &limit);
        });
    }
    process.start(cli, arguments);
    std::thread other;
    if (place.whileRunning)
        other = std::thread(place.whileRunning);
    CliRun run;
    const bool finished = process.waitForFinished(60000);
    if (other.joinable())
        other.join();
    if (!finished || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitStatus = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The files of the row's folder with their bytes' hashes, to see that nothing was changed.
QMap<QString, QByteArray> contentsOf(const QDir &dir)
{
    QMap<QString, QByteArray> contents;
    for (const QFileInfo &file : dir.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
        contents[file.fileName()] = file.isFile() && file.size() < 100'000'000
            ? QCryptographicHash::hash(bytesOf(file.filePath()), QCryptographicHash::Sha256)
            : QByteArray::number(file.size());
    }
    return contents;
}

const QByteArray reportBytes = bytesOf(report);
constexpr char nulText[] = "  Engine\0 1    1.5  2.5  3  4.0 %\n";
const QByteArray nulLine(nulText, sizeof nulText - 1);
// Two members that join inside the "É" of the server's name: members are one byte stream.
const qsizetype memberJoin = reportBytes.indexOf("SP\xC3\x89") + 3;
const QByteArray twoMembers = gzipped(reportBytes.first(memberJoin)) + gzipped(reportBytes.sliced(memberJoin));
QByteArray withDataCheckBroken(QByteArray compressed)
{
    compressed[compressed.size() - 8] = char(compressed[compressed.size() - 8] ^ 1);
    return compressed;
}
const QByteArray figureLine = "    Engine 0      123456789012345678901234567890.5   0.000000000000000000000000000001"
                              "   123456789012345678901234567890   99.999999999999999999999999999 %\n";

} // namespace

TEST(SectionsCommand, BadInputIsRefusedOrReadAndNeverChangesAnInput)
{
    const auto input = [](const QByteArray &bytes) {
        return [bytes](Place &place) {
            write(place.input, bytes);
        };
    };
    const QByteArray goodOutput = "Server Name:,SP\xC3\x89"
                                  "C,";
    const Row rows[] = {
        { "empty", input({}), { u"IN"_s }, 0, "Section,SubSection1,SubSection2,PerSec,PedXact,Count,% Total" },
        { "a folder", [](Place &place) { QDir().mkdir(place.input); }, { u"IN"_s }, 2, "Is a directory" },
        { "missing", [](Place &) {}, { u"IN"_s }, 2, "No such file or directory" },
        { "a device without an end",
          [](Place &place) { place.input = u"/dev/zero"_s; },
          { u"IN"_s },
          2,
          "is too large" },
        { "a FIFO with a writer",
          [](Place &place) {
              ASSERT_EQ(mkfifo(QFile::encodeName(place.input).constData(), 0600), 0);
              place.whileRunning = [path = place.input] {
                  QFile fifo(path);
                  if (fifo.open(QIODevice::WriteOnly))
                      fifo.write(reportBytes);
              };
          },
          { u"IN"_s },
          0,
          goodOutput },
        { "standard input", [](Place &place) { place.standardInput = report; }, { u"-"_s }, 0, goodOutput },
        { "over the size limit",
          [](Place &place) {
              write(place.input, reportBytes);
              ASSERT_TRUE(QFile::resize(place.input, 64 * 1024 * 1024 + 1));
          },
          { u"IN"_s },
          2,
          "is too large" },
        { "one line of 20 MB",
          input(reportBytes + QByteArray(20 * 1024 * 1024, 'x') + '\n'),
          { u"IN"_s },
          0,
          goodOutput },
        // Reported as the digest reports such a file, with the table the parse made of it.
        { "NUL bytes",
          input(reportBytes + nulLine),
          { u"IN"_s },
          1,
          "\" is not a Sysmon report: it holds binary data.\n" },
        { "invalid UTF-8 (Windows-1252)",
          input(QString::fromUtf8(reportBytes).toLatin1()),
          { u"IN"_s },
          0,
          goodOutput },
        { "UTF-16 with a mark", input(utf16WithMark(reportBytes)), { u"IN"_s }, 0, goodOutput },
        // Compressed reports are known by their bytes and read as gzip reads them.
        { "gzip-compressed on standard input",
          [](Place &place) {
              write(place.input, gzipped(reportBytes));
              place.standardInput = place.input;
          },
          { u"-"_s },
          0,
          goodOutput },
        { "gzip: cut off", input(gzipped(reportBytes).chopped(10)), { u"IN"_s }, 2, "compressed data is cut off." },
        { "gzip: damaged (the data check fails)",
          input(withDataCheckBroken(gzipped(reportBytes))),
          { u"IN"_s },
          2,
          "compressed data is damaged: incorrect data check." },
        { "gzip: bytes after the last member",
          input(gzipped(reportBytes) + "\n"),
          { u"IN"_s },
          2,
          "compressed data is damaged" },
        { "gzip: a bomb over the size limit",
          input(gzipped(QByteArray(reportBytes + QByteArray(64 * 1024 * 1024, ' ')))),
          { u"IN"_s },
          2,
          "is too large: more than 67108864 bytes when decompressed." },
        { "gzip: an empty member", input(gzipped({})), { u"IN"_s }, 0, "Section,SubSection1,SubSection2,PerSec" },
        { "gzip: two members and zero padding", input(twoMembers + QByteArray(512, '\0')), { u"IN"_s }, 0, goodOutput },
        { "a .gz name on plain text",
          [](Place &place) {
              place.input = place.path(u"r.txt.gz"_s);
              write(place.input, reportBytes);
          },
          { u"IN"_s },
          0,
          goodOutput },
        { "CR-only line ends", input(QByteArray(reportBytes).replace('\n', '\r')), { u"IN"_s }, 0, goodOutput },
        { "30-digit figures",
          input(reportBytes + figureLine),
          { u"IN"_s },
          0,
          "123456789012345678901234567890.5,0.000000000000000000000000000001,123456789012345678901234567890,"
          "99.999999999999999999999999999," },
        { "an unwritable output",
          input(reportBytes),
          { u"IN"_s, u"--output"_s, u"no-such-folder/out.csv"_s },
          2,
          "Cannot create file" },
        { "an output that is a folder",
          input(reportBytes),
          { u"IN"_s, u"--output"_s, u"."_s },
          2,
          "Cannot create file" },
        { "the output is the input", input(reportBytes), { u"IN"_s, u"--output"_s, u"IN"_s }, 2, "is the input" },
        { "the output is the input spelled otherwise",
          input(reportBytes),
          { u"IN"_s, u"--output"_s, u"./r.txt"_s },
          2,
          "is the input" },
        { "the output is a hard link to the input",
          [](Place &place) {
              write(place.input, reportBytes);
              ASSERT_EQ(link(QFile::encodeName(place.input).constData(),
                             QFile::encodeName(place.path(u"link.txt"_s)).constData()),
                        0);
          },
          { u"IN"_s, u"--output"_s, u"link.txt"_s },
          2,
          "is the input" },
        { "the output is a symbolic link to the input",
          [](Place &place) {
              write(place.input, reportBytes);
              ASSERT_TRUE(QFile::link(place.input, place.path(u"symlink.txt"_s)));
          },
          { u"IN"_s, u"--output"_s, u"symlink.txt"_s },
          2,
          "is the input" },
        { "the output is the file on standard input",
          [](Place &place) {
              write(place.input, reportBytes);
              place.standardInput = place.input;
          },
          { u"-"_s, u"--output"_s, u"IN"_s },
          2,
          "is the input" },
        { "a small report under a memory limit", input(reportBytes), { u"IN"_s }, 0, goodOutput, true },
        // A report is held as one text, not one string per line: millions of short lines fit where
        // their size fits.
        { "four million short lines under a memory limit",
          input(reportBytes + QByteArray("x\n").repeated(4'000'000)),
          { u"IN"_s },
          0,
          goodOutput,
          true },
        { "a large report under a memory limit",
          input(reportBytes + QByteArray(40 * 1024 * 1024, '\n')),
          { u"IN"_s },
          2,
          "Out of memory.",
          true },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.underMemoryLimit && !addressSpaceCanBeLimited)
            continue;
        Place place;
        row.prepare(place);
        if (testing::Test::HasFatalFailure())
            return;
        QStringList arguments { u"sections"_s };
        for (const QString &argument : row.arguments)
            arguments << (argument == u"IN" ? place.input : argument);
        const QMap<QString, QByteArray> before = contentsOf(place.dir.path());
        const CliRun run = runCli(place, arguments, row.underMemoryLimit);
        EXPECT_EQ(run.exitStatus, row.exitStatus) << run.err.toStdString();
        const QByteArray &said = row.exitStatus == 0 ? run.out : run.err;
        EXPECT_TRUE(said.contains(row.said)) << said.left(2000).toStdString();
        if (row.exitStatus == 2) {
            EXPECT_EQ(run.out, QByteArray());
        }
        EXPECT_EQ(contentsOf(place.dir.path()), before);
    }
}
