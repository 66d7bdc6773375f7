#pragma once

#include "common/Ui.h"

// A Ui nobody answers: the fuzz targets run commands headless.
class NullUi : public Ui
{
public:
    void setStatus(StatusPanel, const QString &) override { }
    void error(const QString &) override { }
    void info(const QString &) override { }
    bool confirm(const QString &) override { return false; }
    QStringList openFiles(bool, const std::optional<QString> &) override { return {}; }
    QString saveFile(const QString &) override { return {}; }
};
