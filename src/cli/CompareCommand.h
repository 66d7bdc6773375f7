#pragma once

#include "CliCommand.h"
#include "CliDigest.h"

#include <QCommandLineOption>

// `quorvel-cli compare --counters SET --baseline REPORT... --target REPORT... [--baseline-from
// LIST] [--target-from LIST] [--delimiter D] [--output FILE]`: the digest run of `quorvel-cli
// digest` over the baseline's reports and then the target's, and the comparison of the two
// periods, written as the digest export writes its table.
class CompareCommand : public CliCommand
{
public:
    CompareCommand();

    QString name() const override { return QStringLiteral("compare"); }
    QString summary() const override;
    QStringList expanded(const QStringList &arguments) const override;
    void describe(QCommandLineParser &parser) const override;
    QString helpEnding() const override;
    void take(const QCommandLineParser &parser) override;
    int run(std::FILE *out, std::FILE *errors) override;

private:
    CliDigest::Output present(const CliDigest::Digested &digested) const;
    CliDigest::ReportGroup periodOf(const QCommandLineParser &parser, const QString &name,
                                    const QCommandLineOption &reports, const QCommandLineOption &list) const;

    CliDigest digest_ { CliDigest::ReportSource::Command };
    QCommandLineOption baselineOption_;
    QCommandLineOption targetOption_;
    QCommandLineOption baselineFromOption_;
    QCommandLineOption targetFromOption_;
};
