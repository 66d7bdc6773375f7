#pragma once

#include "common/Ui.h"

#include <cstdio>

// The Ui of a headless command: error and information texts go to standard error, status texts
// are not shown, questions are answered No and dialogs are cancelled, since nobody is there to
// answer them.
class ConsoleUi : public Ui
{
public:
    explicit ConsoleUi(std::FILE *errors = stderr) : errors_(errors) { }

    void setStatus(StatusPanel, const QString &) override { }
    void error(const QString &text) override;
    void info(const QString &text) override;
    bool confirm(const QString &) override { return false; }
    QStringList openFiles(bool, const std::optional<QString> &) override { return {}; }
    QString saveFile(const QString &) override { return {}; }

    // Writes `text` as it stands, in the local encoding, and flushes the stream.
    static void print(std::FILE *stream, const QString &text);

private:
    std::FILE *errors_;
};
