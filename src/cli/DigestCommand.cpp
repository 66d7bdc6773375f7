#include "DigestCommand.h"

#include "digest/DigestExport.h"

#include <QCommandLineParser>

DigestCommand::DigestCommand() :
    swapAxesOption_(QStringLiteral("swap-axes"),
                    QStringLiteral("Write a line per report column instead of a line per counter.")),
    statsOption_(QStringLiteral("stats"),
                 QStringLiteral("Add after \"Avg\" the statistics of each counter's figures: \"N\", \"Min\", "
                                "\"Max\", \"Median\", \"P95\" and \"Wtd Mean\", as \"Statistics\" shows them."))
{ }

QString DigestCommand::summary() const
{
    return QStringLiteral("Digest the counters of a counter set across many reports and write the table.");
}

void DigestCommand::describe(QCommandLineParser &parser) const
{
    parser.setApplicationDescription(QStringLiteral(
        "Digests the reports in order as \"Start Parsing of Sysmon Files\" does in the window, with the\n"
        "counters of the counter set file SET, and writes the digest table as \"Export Data to CSV File\"\n"
        "writes it: a line per counter (the header line first), each cell followed by the delimiter,\n"
        "lines ended by CR LF, in the encoding of SET when it has a byte-order mark, else UTF-8."));
    digest_.describe(parser);
    parser.addOption(swapAxesOption_);
    parser.addOption(statsOption_);
}

QString DigestCommand::helpEnding() const
{
    return QStringLiteral("\n"
                          "Exit status:\n"
                          "  0  every report was digested (reports outside the time window are left out, and\n"
                          "     the other report problems do not change the status)\n"
                          "  1  a report's parse failed: its column holds what the parse found, the failure goes to\n"
                          "     standard error, and the run went on\n"
                          "  2  a report cannot be read (the run ends there and the table as far as it got is\n"
                          "     written), the counter set or the list cannot be read, the output cannot be written\n"
                          "     or is one of the inputs, or the command line is wrong\n");
}

void DigestCommand::take(const QCommandLineParser &parser)
{
    digest_.take(parser);
    swapAxes_ = parser.isSet(swapAxesOption_);
    digest_.setStatistics(parser.isSet(statsOption_));
}

int DigestCommand::run(std::FILE *out, std::FILE *errors)
{
    return digest_.run(out, errors, [this](const CliDigest::Digested &digested) {
        return CliDigest::Output { .lines = DigestExport::lines(digested.digest, swapAxes_, digest_.delimiter()),
                                   .encoding = digested.exportEncoding,
                                   .failure = std::nullopt };
    });
}
