#pragma once

#include "CliCommand.h"
#include "demo/DemoReports.h"

#include <QCommandLineOption>

// `quorvel-cli demo DIR [--reports N] [--interval MINUTES] [--start TIME] [--seed S]`: writes the
// demo's synthetic reports and its counter set, demo-counters.ini, into DIR (created when missing).
// Refuses, writing nothing, when any of the files exists already.
class DemoCommand : public CliCommand
{
public:
    DemoCommand();

    QString name() const override { return QStringLiteral("demo"); }
    QString summary() const override;
    void describe(QCommandLineParser &parser) const override;
    QString helpEnding() const override;
    void take(const QCommandLineParser &parser) override;
    int run(std::FILE *out, std::FILE *errors) override;

private:
    QCommandLineOption reportsOption_;
    QCommandLineOption intervalOption_;
    QCommandLineOption startOption_;
    QCommandLineOption seedOption_;
    QString folder_;
    DemoReports::Settings settings_;
};
