#pragma once

#include "Dialogs.h"

class QFileDialog;
class QWidget;

// Real message boxes and the two shared file dialogs. The dialogs live as long as the window, so
// each keeps the folder and file name the previous command left in it.
class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QWidget *window);

    void error(const QString &text) override;
    void info(const QString &text) override;
    bool confirm(const QString &text) override;
    QStringList openFiles(bool multiple, const std::optional<QString> &preset) override;
    QString saveFile(const QString &preset) override;

private:
    QWidget *window_;
    QFileDialog *dlgOpen_;
    QFileDialog *dlgSave_;
};
