#include "QtDialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
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

} // namespace

QtDialogs::QtDialogs(QWidget *window) :
    window_(window), dlgOpen_(new QFileDialog(window)), dlgSave_(new QFileDialog(window))
{
    dlgOpen_->setObjectName(QStringLiteral("dlgOpen"));
    dlgOpen_->setAcceptMode(QFileDialog::AcceptOpen);
    dlgSave_->setObjectName(QStringLiteral("dlgSave"));
    dlgSave_->setAcceptMode(QFileDialog::AcceptSave);
    // Saving replaces an existing file without asking, and no extension is added to the name.
    dlgSave_->setOption(QFileDialog::DontConfirmOverwrite);
    dlgSave_->setDefaultSuffix(QString());
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

QString QtDialogs::saveFile(const QString &preset)
{
    dlgSave_->selectFile(preset);
    if (!accepted(dlgSave_))
        return {};
    return dlgSave_->selectedFiles().value(0);
}
