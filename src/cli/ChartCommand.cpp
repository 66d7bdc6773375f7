#include "ChartCommand.h"

#include "chart/ChartLines.h"
#include "chart/ComparisonChart.h"

#include <QCommandLineParser>

namespace {

QString quoted(const QString &text)
{
    return u'"' % text % u'"';
}

// Why the chart stayed empty, naming what was asked for.
QString nothingDrawn(const ChartInput &input)
{
    QString names = quoted(input.valueAxisText);
    if (!input.valueAxis2Text.isEmpty())
        names += QStringLiteral(" or ") % quoted(input.valueAxis2Text);
    return QStringLiteral("Nothing drawn: no digest row is named ") % names % u'.';
}

} // namespace

ChartCommand::ChartCommand() :
    valueAxisOption_(QStringLiteral("y1"),
                     QStringLiteral("\"Y Ax.1\": the counter name of the first line (the first counter of SET by "
                                    "default)."),
                     QStringLiteral("NAME")),
    valueAxis2Option_(QStringLiteral("y2"),
                      QStringLiteral("\"Y Ax.2\": the counter name of the second line (none by default)."),
                      QStringLiteral("NAME")),
    ratioOption_(QStringLiteral("ratio"),
                 QStringLiteral("The \"Ratio:\" text: the factor of the second line with --no-set-ratio (\"1\" by "
                                "default; a text that is no number counts as 1)."),
                 QStringLiteral("R"), QStringLiteral("1")),
    noSetRatioOption_(QStringLiteral("no-set-ratio"),
                      QStringLiteral("Leave \"Set Ratio\" unticked: the second line is scaled by R instead of the "
                                     "first average divided by the second."))
{ }

QString ChartCommand::summary() const
{
    return QStringLiteral("Digest the reports and write the points of the comparison chart of one or two counters.");
}

void ChartCommand::describe(QCommandLineParser &parser) const
{
    parser.setApplicationDescription(QStringLiteral(
        "Digests the reports as \"quorvel-cli digest\" does, then draws the comparison chart as \"Display\"\n"
        "does in the window, \"Set Ratio\" ticked unless --no-set-ratio, and writes what it drew: first\n"
        "\"Ratio\" and the ratio as the \"Ratio:\" box shows it, then a line per point, the first line's\n"
        "points and then the second's, each in time order: the line's number (1 or 2), the sample time\n"
        "(hh:mm:ss, or yyyy-MM-dd hh:mm:ss with --full-time) and the value drawn (for line 2, after the\n"
        "ratio), with the delimiter between them; lines ended by CR LF, in UTF-8.\n"
        "A NAME is a counter name as the first column of \"quorvel-cli digest\" shows it, in any letter\n"
        "case: \"[Transaction Profile]_[Transaction Summary...]_[Committed Xacts]\", for instance."));
    parser.addOption(valueAxisOption_);
    parser.addOption(valueAxis2Option_);
    parser.addOption(ratioOption_);
    parser.addOption(noSetRatioOption_);
    digest_.describe(parser);
}

QString ChartCommand::helpEnding() const
{
    return QStringLiteral("\n"
                          "Exit status:\n"
                          "  0  every report was digested and something was drawn\n"
                          "  1  the numbers may be incomplete; the reason goes to standard error:\n"
                          "     - a report's parse failed (its column holds what the parse found; the run went on)\n"
                          "     - a sample time cannot be converted (\"Gragh Error: ...\"); the points before it\n"
                          "       are written\n"
                          "     - neither NAME names a digest row: only the Ratio line is written\n"
                          "  2  a report cannot be read (the run ends there and the chart of the reports before it\n"
                          "     is written), the counter set or the list cannot be read, the output cannot be\n"
                          "     written or is one of the inputs, or the command line is wrong\n");
}

void ChartCommand::take(const QCommandLineParser &parser)
{
    digest_.take(parser);
    valueAxis_ = parser.isSet(valueAxisOption_) ? std::optional(parser.value(valueAxisOption_)) : std::nullopt;
    valueAxis2_ = parser.value(valueAxis2Option_);
    ratio_ = parser.value(ratioOption_);
    setRatio_ = !parser.isSet(noSetRatioOption_);
}

int ChartCommand::run(std::FILE *out, std::FILE *errors)
{
    return digest_.run(out, errors, [this](const CliDigest::Digested &digested) { return present(digested); });
}

CliDigest::Output ChartCommand::present(const CliDigest::Digested &digested) const
{
    const ChartInput input { .digest = digested.digest,
                             .valueAxisText = valueAxis_.value_or(digested.counterNames.value(0)),
                             .valueAxis2Text = valueAxis2_,
                             .ratioText = ratio_,
                             .setRatio = setRatio_,
                             .timeOnly = !digest_.fullTime() };
    const ChartResult result = ComparisonChart::display(input);
    std::optional<QString> failure;
    if (!result.drawn)
        failure = nothingDrawn(input);
    else if (result.failed)
        failure = result.status;
    return { .lines = ChartLines::of(input, result, digest_.delimiter()),
             .encoding = TextEncoding::Utf8,
             .failure = failure };
}
