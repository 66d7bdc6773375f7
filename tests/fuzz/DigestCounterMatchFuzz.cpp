// Fuzzed counter names and types in the digest table, one "name<TAB>type" a line, matched against a
// small fixed section table: the indexed copy of a report must write exactly what testing every
// digest row against every section row writes, and never crash.
#include "digest/CounterNameIndex.h"
#include "digest/DigestColumn.h"
#include "digest/DigestCopy.h"
#include "digest/DigestCopyReference.h"
#include "digest/DigestRows.h"
#include "digest/DigestTableLayout.h"
#include "digest/DigestedReport.h"
#include "grid/GridTable.h"
#include "report/SectionTableLayout.h"

#include <cstdlib>

namespace {

using namespace Qt::Literals::StringLiterals;

// Sections, subsections and entries with brackets, blanks, repeats and both spinlock spellings,
// each row with its own figures.
const QStringList sectionRows[] = {
    { u"Kernel Utilization"_s, u"Engine Busy Utilization..."_s, u"Engine 0"_s },
    { u"Kernel Utilization"_s, u"Engine Busy Utilization..."_s, u"Engine 1"_s },
    { u"Kernel Utilization"_s, QString(), u"Average"_s },
    { u"Data Cache Management"_s, u"Cache: default data cache.Cache Searches.."_s, u"Cache Hits"_s },
    { u"Disk I/O Management"_s, u"demodb_01.Reads.."_s, u"APF"_s },
    { u"[a]"_s, u"]_["_s, u"[[b]]"_s },
    { u" "_s, u"\t"_s, QString() },
    { QString(), QString(), u"Total Lock Requests"_s },
    { u"Spinlocks"_s, u"Resource->rdesmgr_spin"_s, QString() },
    { u"spinlocks"_s, u"Dbtable->dbt_lock"_s, QString() },
    { u"Lock Management"_s, u"Lock Summary..."_s, u"Total Lock Requests"_s },
};

void fillSections(GridTable &sections)
{
    SectionTableLayout::reset(sections);
    sections.setRows(1 + int(std::size(sectionRows)));
    for (int row = 1; row < sections.rows(); ++row) {
        for (int column = 0; column < sections.columns(); ++column) {
            const QStringList &names = sectionRows[row - 1];
            sections.setCell(column, row, column < names.size() ? names[column] : QString::number(row * 100 + column));
        }
    }
}

void fillDigest(GridTable &digest, const QStringList &lines, int columns)
{
    DigestTableLayout::reset(digest);
    digest.setRows(1 + int(lines.size()));
    digest.setColumns(columns);
    for (int row = 1; row < digest.rows(); ++row) {
        const QString &line = lines[row - 1];
        const qsizetype tab = line.indexOf(u'\t');
        digest.setCell(DigestTableLayout::CounterName, row, tab < 0 ? line : line.left(tab));
        digest.setCell(DigestTableLayout::Type, row, tab < 0 ? QString() : line.mid(tab + 1));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static GridTable sections(SectionTableLayout::columnCount);
    if (sections.rows() == 2)
        fillSections(sections);
    const QStringList lines = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)).split(u'\n');
    if (lines.size() > 200)
        return 0;

    GridTable indexed(DigestTableLayout::fixedColumnCount);
    GridTable literal(DigestTableLayout::fixedColumnCount);
    fillDigest(indexed, lines, DigestTableLayout::FirstReport);
    fillDigest(literal, lines, DigestTableLayout::FirstReport + 1);
    const DigestRows rows = DigestRows::of(indexed);
    DigestedReport report;
    report.sampleTime = u"t"_s;
    report.copied = DigestCopy::valuesOf(sections, CounterNameIndex(rows.names), rows.types);
    DigestColumn::append(indexed, report);
    DigestCopyReference::copyTestingEveryPair(literal, sections);
    for (int row = 0; row < indexed.rows(); ++row) {
        if (indexed.cell(DigestTableLayout::FirstReport, row) != literal.cell(DigestTableLayout::FirstReport, row))
            std::abort();
    }
    return 0;
}
