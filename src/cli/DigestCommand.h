#pragma once

#include "CliCommand.h"
#include "CliDigest.h"

#include <QCommandLineOption>

// `quorvel-cli digest --counters SET [--full-time] [--stats] [--from WHEN] [--to WHEN] [--swap-axes]
// [--delimiter D] [--output FILE] [--problems FILE] [--files-from LIST] REPORT...`: the digest run of
// the window over the reports in order, with the counter set read from SET, "Ti&me Only" ticked
// unless --full-time and "&Statistics" ticked with --stats, then the bytes that "&Export Data to CSV
// File" would write: the same delimiter rule, the same encoding.
class DigestCommand : public CliCommand
{
public:
    DigestCommand();

    QString name() const override { return QStringLiteral("digest"); }
    QString summary() const override;
    void describe(QCommandLineParser &parser) const override;
    QString helpEnding() const override;
    void take(const QCommandLineParser &parser) override;
    int run(std::FILE *out, std::FILE *errors) override;

private:
    CliDigest digest_;
    QCommandLineOption swapAxesOption_;
    QCommandLineOption statsOption_;
    bool swapAxes_ = false;
};
