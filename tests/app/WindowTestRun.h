#pragma once

#include "ScriptedDialogs.h"
#include "TfmQuorvel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

// One run of the program: scripted dialogs and the window.
struct WindowRun
{
    ScriptedDialogs dialogs;
    TfmQuorvel window { &dialogs };
    ScriptedUi &script = dialogs.script;

    template <class T> T *control(const QString &name) const { return window.findChild<T *>(name); }
    QString status(int panel) const { return window.statusText(panel); }
};

// What a window test class derives from besides QObject: each test function gets its own empty
// working folder, where the program reads and writes its default counter set file, and starts its
// own run of the program there. The class's init() slot calls enterWorkingFolder() and its
// cleanup() slot leaveWorkingFolder(). `Run` is WindowRun or a struct derived from it.
template <class Run> class WindowTestRun
{
protected:
    void enterWorkingFolder()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        startFolder_ = QDir::currentPath();
        if (!folder_->isValid() || !QDir::setCurrent(folder_->path()))
            qFatal("cannot make the test's working folder current");
    }

    // Ends the run first, while its working folder is still current.
    void leaveWorkingFolder()
    {
        run_.reset();
        QDir::setCurrent(startFolder_);
        folder_.reset();
    }

    // Starts the program in the working folder and waits for its initialisation.
    Run &start()
    {
        run_ = std::make_unique<Run>();
        QSignalSpy finished(&run_->window, &TfmQuorvel::startupFinished);
        run_->window.show();
        if (!finished.wait(5000))
            qFatal("the window did not finish its start-up");
        QApplication::setActiveWindow(&run_->window);
        return *run_;
    }

    QString filePath(const QString &name) const { return folder_->filePath(name); }

private:
    std::unique_ptr<QTemporaryDir> folder_;
    QString startFolder_;
    std::unique_ptr<Run> run_;
};

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
