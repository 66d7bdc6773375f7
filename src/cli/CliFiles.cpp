#include "CliFiles.h"

#include "common/Failure.h"
#include "common/TextFile.h"

#include <QFile>

#include <optional>
#include <sys/stat.h>

namespace CliFiles {

namespace {

struct FileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;

    bool operator==(const FileIdentity &) const = default;
};

// What the path names, following symbolic links; nothing when there is no such file.
std::optional<FileIdentity> identityOf(const QString &path)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileIdentity { status.st_dev, status.st_ino };
}

} // namespace

QString inputPath(const QString &argument)
{
    return argument == u"-" ? QStringLiteral("/dev/stdin") : argument;
}

void refuseOutputOverInputs(const QString &output, const QStringList &inputs)
{
    if (output.isEmpty())
        return;
    const std::optional<FileIdentity> written = identityOf(output);
    if (!written)
        return;
    for (const QString &input : inputs) {
        if (identityOf(inputPath(input)) == written) {
            throw Failure(QStringLiteral("The output \"") % output % QStringLiteral("\" is the input \"") % input %
                          QStringLiteral("\": writing it would destroy the input."));
        }
    }
}

void writeBytes(const QByteArray &bytes, const QString &output, std::FILE *out)
{
    if (!output.isEmpty()) {
        TextFile::writeBytes(output, bytes);
        return;
    }
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out) != std::size_t(bytes.size()) ||
        std::fflush(out) != 0)
        throw Failure(QStringLiteral("Cannot write to standard output."));
}

} // namespace CliFiles
