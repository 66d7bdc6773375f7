#pragma once

#include "CliCommand.h"
#include "CliDigest.h"

#include <QCommandLineOption>

// `quorvel-cli chart --counters SET [--y1 NAME] [--y2 NAME] [--ratio R] [--no-set-ratio]
// [--full-time] [--from WHEN] [--to WHEN] [--delimiter D] [--output FILE] [--problems FILE]
// [--files-from LIST] REPORT...`: the digest run of
// `quorvel-cli digest`, then "&Display" with the chart's controls set from the options, and the
// chart's points as text: what scripts read where the window would draw.
class ChartCommand : public CliCommand
{
public:
    ChartCommand();

    QString name() const override { return QStringLiteral("chart"); }
    QString summary() const override;
    void describe(QCommandLineParser &parser) const override;
    QString helpEnding() const override;
    void take(const QCommandLineParser &parser) override;
    int run(std::FILE *out, std::FILE *errors) override;

private:
    CliDigest::Output present(const CliDigest::Digested &digested) const;

    CliDigest digest_;
    QCommandLineOption valueAxisOption_;
    QCommandLineOption valueAxis2Option_;
    QCommandLineOption ratioOption_;
    QCommandLineOption noSetRatioOption_;

    std::optional<QString> valueAxis_; // nothing: the first counter, as a digest reset selects it
    QString valueAxis2_;
    QString ratio_;
    bool setRatio_ = true;
};
