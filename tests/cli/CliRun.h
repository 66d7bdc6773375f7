#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStringList>

// One run of the built quorvel-cli, as a script would start it.
struct CliRun
{
    int exitStatus = -1; // -1: it did not end normally within half a minute
    QByteArray out;
    QByteArray err;

    static CliRun of(const QStringList &arguments, const QString &workingFolder = QString())
    {
        QProcess process;
        process.setWorkingDirectory(workingFolder);
        process.start(QStringLiteral(QUORVEL_CLI), arguments);
        CliRun result;
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.exitStatus = process.exitCode();
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }
};

inline CliRun runCli(const QStringList &arguments)
{
    return CliRun::of(arguments);
}

// The bytes of a file; a file that cannot be read gives a text no file is compared with.
inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}
