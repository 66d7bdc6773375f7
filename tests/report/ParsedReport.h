#pragma once

#include "ScriptedUi.h"
#include "common/CommandGuard.h"
#include "common/TextLines.h"
#include "grid/DelimitedLines.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"
#include "report/ParseObserver.h"
#include "report/ReportParser.h"
#include "report/SectionTableLayout.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <stop_token>

// Everything one parse touches, as the window holds it: the section table, the category lists, and
// the status texts the window would show, written into a scripted Ui as the parse tells them.
struct ParsedReport : ParseObserver
{
    // How the last parse ended; `message` is the message of the failure it threw.
    struct Outcome
    {
        bool failed = false;
        QString message;
    };

    GridTable sections { SectionTableLayout::columnCount };
    CategoryLists lists;
    ScriptedUi ui;
    std::stop_source stop;
    // Called at every line the parse tells of, e.g. to press Esc in the middle of a parse.
    std::function<void(qsizetype index)> onLine;
    Outcome outcome;

    void lineReached(qsizetype index, qsizetype lineCount, QStringView line) override
    {
        ui.setStatus(StatusPanel::Progress, u"Metrics %1 of %2"_qs.arg(index).arg(lineCount));
        ui.setStatus(StatusPanel::Messages, u"Parsing:  "_qs % line.left(20) % u"..."_qs);
        if (onLine)
            onLine(index);
    }
    void message(const QString &text) override { ui.setStatus(StatusPanel::Messages, text); }

    const Outcome &parse(const QStringList &reportLines) { return parse(TextLines(reportLines)); }
    const Outcome &parse(const TextLines &report)
    {
        ReportParser parser(sections, lists);
        const std::optional<QString> failure =
            CommandGuard::failureOf([&] { parser.run(report, stop.get_token(), this); });
        outcome = { failure.has_value(), failure.value_or(QString()) };
        return outcome;
    }

    // The section table as the command line writes it, with "|" after every cell.
    QStringList tableLines() const
    {
        return DelimitedLines::of(sections, 0, sections.rows() - 1, SectionTableLayout::columnCount,
                                  QStringLiteral("|"));
    }

    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 0; c < SectionTableLayout::columnCount; ++c)
            cells << sections.cell(c, r).toString();
        return cells;
    }

    // The first row whose columns 0 to 2 read as given, or -1.
    int find(const QString &section, const QString &path, const QString &entry) const
    {
        for (int r = 1; r < sections.rows(); ++r) {
            if (sections.cell(0, r) == section && sections.cell(1, r) == path && sections.cell(2, r) == entry)
                return r;
        }
        return -1;
    }
};
