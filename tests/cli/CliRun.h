#pragma once

// Runs the built quorvel-cli as a script would, for the tests of its commands.
#include <QFile>
#include <QProcess>
#include <QStringList>

struct CliRun
{
    int exitStatus = -1;
    QByteArray out;
    QByteArray err;
};

inline CliRun runCli(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUORVEL_CLI), arguments);
    CliRun result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitStatus = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}
