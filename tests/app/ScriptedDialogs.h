#pragma once

#include "Dialogs.h"
#include "ScriptedUi.h"

// The window's dialogs played from a script: answers are queued in the ScriptedUi, and every box
// and dialog the window showed is recorded there.
class ScriptedDialogs : public Dialogs
{
public:
    ScriptedUi script;

    void error(const QString &text) override { script.error(text); }
    void info(const QString &text) override { script.info(text); }
    bool confirm(const QString &text) override { return script.confirm(text); }
    QStringList openFiles(bool multiple, const std::optional<QString> &preset) override
    {
        return script.openFiles(multiple, preset);
    }
    QString saveFile(const QString &preset) override { return script.saveFile(preset); }
};
