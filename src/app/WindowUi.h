#pragma once

#include "common/Ui.h"

class Dialogs;
class StatusPanels;

// The Ui the window's commands talk to: status texts go to the status bar panels, and everything
// modal goes to the dialogs.
class WindowUi : public Ui
{
public:
    WindowUi(StatusPanels &status, Dialogs &dialogs);

    void setStatus(StatusPanel panel, const QString &text) override;
    void error(const QString &text) override;
    void info(const QString &text) override;
    bool confirm(const QString &text) override;
    QStringList openFiles(bool multiple, const std::optional<QString> &preset) override;
    QString saveFile(const QString &preset) override;

private:
    StatusPanels &status_;
    Dialogs &dialogs_;
};
