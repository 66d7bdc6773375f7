#pragma once

#include "common/Ui.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// A Ui that plays a script: answers to questions and dialogs are queued in advance, and everything
// the command showed is recorded for the test to check. An unscripted dialog counts as cancelled,
// an unscripted question as No.
class ScriptedUi : public Ui
{
public:
    QString status[3];
    QList<QPair<int, QString>> statusLog; // every setStatus, in order
    QStringList errors;
    QStringList infos;
    QStringList questions;
    QList<std::optional<QString>> openPresets;
    QStringList savePresets;

    QList<bool> confirmAnswers;
    QList<QStringList> openAnswers;
    QStringList saveAnswers;

    void setStatus(StatusPanel panel, const QString &text) override
    {
        status[int(panel)] = text;
        statusLog.append({ int(panel), text });
    }
    void error(const QString &text) override { errors << text; }
    void info(const QString &text) override { infos << text; }
    bool confirm(const QString &text) override
    {
        questions << text;
        return confirmAnswers.isEmpty() ? false : confirmAnswers.takeFirst();
    }
    QStringList openFiles(bool, const std::optional<QString> &preset) override
    {
        openPresets << preset;
        return openAnswers.isEmpty() ? QStringList() : openAnswers.takeFirst();
    }
    QString saveFile(const QString &preset) override
    {
        savePresets << preset;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
};
