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

    // How the save dialog takes a command's preset. A preset holding a wildcard ("*.ini", "*.csv")
    // can name no file: it becomes the dialog's file type filter, with "All files (*)" beside it,
    // and the name box is left empty. Any other preset is the file name.
    struct SavePreset
    {
        QStringList nameFilters;
        QString fileName;
    };
    static SavePreset savePresetFor(const QString &preset);
    // Sets a save dialog up for a preset, as saveFile() does before it shows the dialog.
    static void presetSaveDialog(QFileDialog &dialog, const QString &preset);

private:
    QWidget *window_;
    QFileDialog *dlgOpen_;
    QFileDialog *dlgSave_;
};
