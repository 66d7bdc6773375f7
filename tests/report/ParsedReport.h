#pragma once

#include "ScriptedUi.h"
#include "common/CommandGuard.h"
#include "common/TextLines.h"
#include "grid/DelimitedLines.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"
#include "report/ReportParser.h"
#include "report/SectionTableLayout.h"

#include <QStringList>

#include <optional>

// Everything one parse touches, as the window holds it: the section table, the category lists, a
// scripted Ui and the abort flag.
struct ParsedReport
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
    bool abortFlag = false;
    int pumpIntervalMs = 25;
    Outcome outcome;

    const Outcome &parse(const QStringList &reportLines) { return parse(TextLines(reportLines)); }
    const Outcome &parse(const TextLines &report)
    {
        ReportParser parser(sections, lists, ui, abortFlag);
        parser.setPumpInterval(pumpIntervalMs);
        const std::optional<QString> failure = CommandGuard::failureOf([&] { parser.run(report); });
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
