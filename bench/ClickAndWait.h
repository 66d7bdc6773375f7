#pragma once

#include <QAbstractButton>
#include <QEventLoop>
#include <QObject>

// Clicks a button whose command runs on threads of its own and lets the window's event loop turn
// until `finished` says the command has ended.
template <typename Sender, typename Signal>
void clickAndWait(QAbstractButton *button, const Sender *sender, Signal finished)
{
    QEventLoop loop;
    QObject::connect(sender, finished, &loop, &QEventLoop::quit);
    button->click();
    loop.exec();
}
