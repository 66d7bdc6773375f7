// Any bytes as a report file: loaded as the window loads it (read, decoded, split into lines) and
// parsed, with the parse handing control back after every few lines so the progress texts and the
// table's publishing run too. A parse may fail with a message; it must never crash, hang or touch
// memory it does not own, and parsing the same text twice must give the same table.
#include "MemoryFile.h"
#include "common/Failure.h"
#include "common/TextLines.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"
#include "report/ReportLoader.h"
#include "report/ReportParser.h"
#include "report/SectionTableLayout.h"

#include <cstdlib>

namespace {

// The table as a failed or finished parse leaves it, and whether it failed.
struct Parsed
{
    GridTable sections { SectionTableLayout::columnCount };
    CategoryLists lists;
    bool failed = false;
};

void parse(const TextLines &report, Parsed &parsed)
{
    ReportParser parser(parsed.sections, parsed.lists);
    try {
        parser.run(report);
    } catch (const Failure &) {
        parsed.failed = true;
    }
}

bool sameTables(const GridTable &a, const GridTable &b)
{
    if (a.rows() != b.rows() || a.columns() != b.columns())
        return false;
    for (int row = 0; row < a.rows(); ++row) {
        for (int column = 0; column < a.columns(); ++column) {
            if (a.cell(column, row) != b.cell(column, row))
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static MemoryFile file;
    TextLines report;
    try {
        report = ReportLoader::load(file.fill(data, size));
    } catch (const Failure &) {
        return 0;
    }
    Parsed first;
    Parsed second;
    parse(report, first);
    parse(report, second);
    if (first.failed != second.failed || !sameTables(first.sections, second.sections) ||
        first.lists.sections != second.lists.sections)
        std::abort();
    return 0;
}
