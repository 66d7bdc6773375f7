#include "DemoCommand.h"

#include "ConsoleUi.h"
#include "common/Failure.h"

#include <QCommandLineParser>
#include <QDir>

namespace {

// The option's value as a whole number from `low` to `high`; a wrong value is a wrong line.
qint64 numberOption(const QCommandLineParser &parser, const QCommandLineOption &option, qint64 low, qint64 high)
{
    const QString text = parser.value(option);
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < low || value > high)
        throw Failure(QStringLiteral("--%1 takes a whole number from %2 to %3, not \"%4\".")
                          .arg(option.names().constFirst())
                          .arg(low)
                          .arg(high)
                          .arg(text));
    return value;
}

} // namespace

DemoCommand::DemoCommand() :
    reportsOption_(
        QStringLiteral("reports"),
        QStringLiteral("How many reports to write (%1 by default: one day).").arg(DemoReports::defaultReports),
        QStringLiteral("N")),
    intervalOption_(QStringLiteral("interval"),
                    QStringLiteral("Minutes from one report's sampling start to the next (%1 by default).")
                        .arg(DemoReports::defaultIntervalMinutes),
                    QStringLiteral("MINUTES")),
    startOption_(QStringLiteral("start"),
                 QStringLiteral("Sampling start of the first report, written as in the reports: \"Mon DD, YYYY "
                                "hh:mm:ss\" (\"%1\" by default).")
                     .arg(DemoReports::startText(DemoReports::defaultStart())),
                 QStringLiteral("TIME")),
    seedOption_(QStringLiteral("seed"),
                QStringLiteral("Seed of the figures' scatter (%1 by default); the same seed gives the same reports.")
                    .arg(DemoReports::defaultSeed),
                QStringLiteral("S"))
{ }

QString DemoCommand::summary() const
{
    return QStringLiteral("Write a day of synthetic Sysmon reports and a counter set to try Quorvel on.");
}

void DemoCommand::describe(QCommandLineParser &parser) const
{
    parser.setApplicationDescription(
        QStringLiteral("Writes synthetic Sysmon reports of a small server into DIR, one every interval, named so\n"
                       "that sorting by name sorts by time, with figures that follow a day's load; and\n"
                       "demo-counters.ini, a counter set of about twenty counters to digest them with. DIR is\n"
                       "created when missing; no file in it is ever replaced."));
    parser.addOption(reportsOption_);
    parser.addOption(intervalOption_);
    parser.addOption(startOption_);
    parser.addOption(seedOption_);
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The folder to write into."));
}

QString DemoCommand::helpEnding() const
{
    return QStringLiteral("\n"
                          "Exit status:\n"
                          "  0  the reports and the counter set were written\n"
                          "  2  one of the files exists already (nothing is written then), a file cannot be\n"
                          "     written, or the command line is wrong\n");
}

void DemoCommand::take(const QCommandLineParser &parser)
{
    folder_ = onlyArgument(parser, QStringLiteral("folder"));
    settings_ = DemoReports::defaultSettings();
    if (parser.isSet(reportsOption_))
        settings_.reports = int(numberOption(parser, reportsOption_, 1, DemoReports::maxReports));
    if (parser.isSet(intervalOption_))
        settings_.intervalMinutes = int(numberOption(parser, intervalOption_, 1, DemoReports::maxIntervalMinutes));
    if (parser.isSet(seedOption_))
        settings_.seed = quint32(numberOption(parser, seedOption_, 0, 4294967295));
    if (parser.isSet(startOption_)) {
        const auto start = DemoReports::readStart(parser.value(startOption_));
        if (!start)
            throw Failure(QStringLiteral("--start takes a time such as \"%1\", not \"%2\".")
                              .arg(DemoReports::startText(DemoReports::defaultStart()), parser.value(startOption_)));
        settings_.start = *start;
    }
}

int DemoCommand::run(std::FILE *out, std::FILE *errors)
{
    try {
        const QStringList reports = DemoReports::write(folder_, settings_);
        ConsoleUi::print(out,
                         QStringLiteral("Wrote %1 reports and %2 into %3.\n")
                             .arg(reports.size())
                             .arg(DemoReports::counterFileName, QDir::toNativeSeparators(folder_)));
    } catch (const Failure &failure) {
        ConsoleUi::print(errors, QStringLiteral("quorvel-cli: ") % failure.message() % u'\n');
        return CannotRun;
    }
    return Success;
}
