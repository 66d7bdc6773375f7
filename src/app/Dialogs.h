#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The modal part of the window's Ui: message boxes and the shared file dialogs. The program uses
// real dialogs; window tests put a script in their place.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual void error(const QString &text) = 0;
    virtual void info(const QString &text) = 0;
    virtual bool confirm(const QString &text) = 0;
    virtual QStringList openFiles(bool multiple, const std::optional<QString> &preset) = 0;
    virtual QString saveFile(const QString &preset) = 0;
};
