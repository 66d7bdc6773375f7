#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

// The files the commands of quorvel-cli read and write, handled alike by every command.
namespace CliFiles {

// The path to read for a file argument: "-" stands for standard input. Commands read their inputs
// with FileKinds::Any, so pipes and FIFOs work as well ("sections <(ssh db1 cat sysmon.txt)").
QString inputPath(const QString &argument);

// Throws Failure when `output` names the same file as one of `inputs` (file arguments as given,
// "-" included), before anything is read or written: writing there would destroy the input. Files are
// compared by what they are (device and inode), not by how they are spelled, so "./r.txt", a
// hard link and a symbolic link are caught. An output that does not exist yet is no input.
void refuseOutputOverInputs(const QString &output, const QStringList &inputs);

// Writes `bytes` to the file `output`, which is replaced in one step, or to `out` when `output` is
// empty. Throws Failure when they cannot be written.
void writeBytes(const QByteArray &bytes, const QString &output, std::FILE *out);

} // namespace CliFiles
