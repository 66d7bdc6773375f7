#include "WindowUi.h"

#include "Dialogs.h"
#include "StatusPanels.h"

WindowUi::WindowUi(StatusPanels &status, Dialogs &dialogs) : status_(status), dialogs_(dialogs)
{ }

void WindowUi::setStatus(StatusPanel panel, const QString &text)
{
    status_.setText(int(panel), text);
}

void WindowUi::error(const QString &text)
{
    dialogs_.error(text);
}

void WindowUi::info(const QString &text)
{
    dialogs_.info(text);
}

bool WindowUi::confirm(const QString &text)
{
    return dialogs_.confirm(text);
}

QStringList WindowUi::openFiles(bool multiple, const std::optional<QString> &preset)
{
    return dialogs_.openFiles(multiple, preset);
}

QString WindowUi::saveFile(const QString &preset)
{
    return dialogs_.saveFile(preset);
}
