#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The three panels of the status bar, from the left.
enum class StatusPanel {
    Progress = 0, // the parser's line progress
    Messages = 1, // the tab's help text, progress and result messages
    Files = 2, // file-name tails and counts
};

// What a command may ask of the person in front of it. Commands never open a dialog or a message
// box themselves: the window answers with real dialogs, the command line with standard error, and
// tests with a script, so every command runs end to end without a display.
class Ui
{
public:
    virtual ~Ui() = default;

    virtual void setStatus(StatusPanel panel, const QString &text) = 0;
    // An error box with an OK button; `text` is the whole text, "APP. ERR (...):  " included.
    virtual void error(const QString &text) = 0;
    virtual void info(const QString &text) = 0;
    // A Yes/No question; true only on Yes.
    virtual bool confirm(const QString &text) = 0;
    // The shared open dialog; every chosen file must exist. `preset` fills the file name box;
    // without one the dialog keeps the name it last held. An empty list means the user cancelled.
    virtual QStringList openFiles(bool multiple, const std::optional<QString> &preset) = 0;
    // The shared save dialog with `preset` in the file name box; no overwrite question. An empty
    // path means the user cancelled.
    virtual QString saveFile(const QString &preset) = 0;
};
