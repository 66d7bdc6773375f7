#include "QtDialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

namespace {

// Shows a shared file dialog. Its file name completion list can stay on the screen when the user
// accepts with Return while the list is open; it closes with the dialog.
bool accepted(QFileDialog *dialog)
{
    const bool ok = dialog->exec() == QDialog::Accepted;
    for (QCompleter *completer : dialog->findChildren<QCompleter *>()) {
        if (QAbstractItemView *list = completer->popup())
            list->hide();
    }
    return ok;
}

bool holdsWildcard(QStringView name)
{
    return name.contains(u'*') || name.contains(u'?');
}

QString allFiles()
{
    return QStringLiteral("All files (*)");
}

// The save dialog refuses a name holding '*' or '?' and stays open: many file dialogs read such a
// name as a filter, so a user who types one does not mean a file of that name.
class SaveDialog : public QFileDialog
{
public:
    explicit SaveDialog(QWidget *parent) : QFileDialog(parent) { }

protected:
    void accept() override
    {
        const QString name = QFileInfo(selectedFiles().value(0)).fileName();
        if (holdsWildcard(name)) {
            QMessageBox::warning(
                this, windowTitle(),
                QStringLiteral("\"%1\" is not a valid file name: a file name cannot contain * or ?.").arg(name));
            return;
        }
        QFileDialog::accept();
    }
};

} // namespace

QtDialogs::QtDialogs(QWidget *window) :
    window_(window), dlgOpen_(new QFileDialog(window)), dlgSave_(new SaveDialog(window))
{
    dlgOpen_->setObjectName(QStringLiteral("dlgOpen"));
    dlgOpen_->setAcceptMode(QFileDialog::AcceptOpen);
    dlgSave_->setObjectName(QStringLiteral("dlgSave"));
    dlgSave_->setAcceptMode(QFileDialog::AcceptSave);
    // Saving replaces an existing file without asking, and no extension is added to the name.
    dlgSave_->setOption(QFileDialog::DontConfirmOverwrite);
    dlgSave_->setDefaultSuffix(QString());
    // A platform's own dialog would write a typed name without asking SaveDialog.
    dlgSave_->setOption(QFileDialog::DontUseNativeDialog);
}

void QtDialogs::error(const QString &text)
{
    QMessageBox::critical(window_, QStringLiteral("Error"), text);
}

void QtDialogs::info(const QString &text)
{
    QMessageBox::information(window_, QStringLiteral("Information"), text);
}

bool QtDialogs::confirm(const QString &text)
{
    return QMessageBox::question(window_, QStringLiteral("Confirm"), text, QMessageBox::Yes | QMessageBox::No) ==
        QMessageBox::Yes;
}

QStringList QtDialogs::openFiles(bool multiple, const std::optional<QString> &preset)
{
    dlgOpen_->setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (preset)
        dlgOpen_->selectFile(*preset);
    if (!accepted(dlgOpen_))
        return {};
    return dlgOpen_->selectedFiles();
}

QtDialogs::SavePreset QtDialogs::savePresetFor(const QString &preset)
{
    if (holdsWildcard(preset))
        return { { preset, allFiles() }, QString() };
    return { { allFiles() }, preset };
}

void QtDialogs::presetSaveDialog(QFileDialog &dialog, const QString &preset)
{
    const SavePreset setup = savePresetFor(preset);
    dialog.setNameFilters(setup.nameFilters);
    if (!setup.fileName.isEmpty()) {
        dialog.selectFile(setup.fileName);
        return;
    }
    // selectFile() ignores an empty name, so the name the previous command left is cleared in the
    // name box itself.
    if (auto *nameBox = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        nameBox->clear();
}

QString QtDialogs::saveFile(const QString &preset)
{
    presetSaveDialog(*dlgSave_, preset);
    if (!accepted(dlgSave_))
        return {};
    return dlgSave_->selectedFiles().value(0);
}
