#pragma once

#include "CliCommand.h"

#include <QCommandLineOption>

#include <optional>

class GridTable;

// `quorvel-cli sections REPORT [--delimiter D] [--output FILE]`: parses one report exactly as
// "&Parse Sections" does and writes the whole section table (header row and blank rows included,
// all ten columns) as delimited text: each cell followed by the delimiter, lines ended by CR LF,
// UTF-8. A failed parse, or a report that holds binary data, still writes the table as far as it
// got, and exits with 1.
class SectionsCommand : public CliCommand
{
public:
    SectionsCommand();

    QString name() const override { return QStringLiteral("sections"); }
    QString summary() const override;
    void describe(QCommandLineParser &parser) const override;
    QString helpEnding() const override;
    void take(const QCommandLineParser &parser) override;
    int run(std::FILE *out, std::FILE *errors) override;

private:
    std::optional<QString> parse(GridTable &sections) const;

    QCommandLineOption delimiterOption_;
    QCommandLineOption outputOption_;
    QString report_;
    QString delimiter_;
    QString output_; // empty: standard output
};
