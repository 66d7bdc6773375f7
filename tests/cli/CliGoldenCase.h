#pragma once

#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <string>

// A golden case of a command: a folder holding the arguments after the command's name
// (arguments.txt, one per line, exactly as they stand) and what the run must give: the exit status
// (expected-status, 0 without it) and standard error (expected-stderr.txt, nothing without it).
// The command runs with the folder as its working folder.
struct CliGoldenCase
{
    QDir folder;
    QStringList arguments;
    int expectedStatus = 0;
    QByteArray expectedErrors;

    static CliGoldenCase in(const QString &path)
    {
        CliGoldenCase golden;
        golden.folder = QDir(path);
        golden.arguments =
            QString::fromUtf8(bytesOf(golden.folder.filePath(QStringLiteral("arguments.txt")))).split(u'\n');
        golden.arguments.removeAll(QString());
        const QByteArray status = golden.optionalBytes(QStringLiteral("expected-status")).trimmed();
        golden.expectedStatus = status.isEmpty() ? 0 : status.toInt();
        golden.expectedErrors = golden.optionalBytes(QStringLiteral("expected-stderr.txt"));
        return golden;
    }

    CliRun run(const QString &command, const QStringList &moreArguments = {}) const
    {
        return CliRun::of(QStringList { command } + arguments + moreArguments, folder.path());
    }

    QByteArray bytes(const QString &name) const { return bytesOf(folder.filePath(name)); }

    // The cases under `casesFolder`, one per folder, and a test name for each.
    static QStringList namesIn(const QString &casesFolder)
    {
        return QDir(casesFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }
    static std::string testName(const QString &caseName) { return QString(caseName).replace(u'-', u'_').toStdString(); }

private:
    // Nothing when the case has no such file.
    QByteArray optionalBytes(const QString &name) const
    {
        return QFile::exists(folder.filePath(name)) ? bytes(name) : QByteArray();
    }
};
