#pragma once

#include "common/Ui.h"

// The Ui of a run in which nothing may go wrong and nobody watches: an error box ends the
// benchmark, every question is answered Yes.
class HeadlessUi : public Ui
{
public:
    void setStatus(StatusPanel, const QString &) override { }
    void error(const QString &text) override { qFatal("failed: %s", qPrintable(text)); }
    void info(const QString &) override { }
    bool confirm(const QString &) override { return true; }
    QStringList openFiles(bool, const std::optional<QString> &) override { return {}; }
    QString saveFile(const QString &) override { return {}; }
};
