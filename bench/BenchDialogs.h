#pragma once

#include "Dialogs.h"
#include "TfmQuorvel.h"

#include <QCoreApplication>
#include <QElapsedTimer>

// The main window's boxes for a run in which nothing may go wrong: an error box ends the
// benchmark, every question is answered Yes.
class BenchDialogs : public Dialogs
{
public:
    void error(const QString &text) override { qFatal("failed: %s", qPrintable(text)); }
    void info(const QString &) override { }
    bool confirm(const QString &) override { return true; }
    QStringList openFiles(bool, const std::optional<QString> &) override { return {}; }
    QString saveFile(const QString &) override { return {}; }

    // Shows `window` at a desktop's size and waits for its start-up to finish.
    static void showStarted(TfmQuorvel &window)
    {
        window.resize(1280, 900);
        window.show();
        QElapsedTimer startup;
        startup.start();
        while (!window.initialised() && startup.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
};
