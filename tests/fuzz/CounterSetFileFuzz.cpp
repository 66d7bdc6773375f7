// Any bytes as a counter set file, read into the counter set as Load Counters and the start-up do.
// A file may be refused with a message; it must never crash, hang or touch memory it does not own.
#include "MemoryFile.h"
#include "common/Failure.h"
#include "counters/CounterSet.h"
#include "counters/CounterSetFile.h"
#include "grid/GridTable.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static MemoryFile file;
    GridTable counters(CounterSet::columnCount);
    CounterSet::reset(counters);
    try {
        CounterSetFile::load(counters, file.fill(data, size));
    } catch (const Failure &) {
        return 0;
    }
    if (counters.columns() != CounterSet::columnCount || counters.rows() < 2)
        std::abort();
    // Every row is written back so that it reads the same again.
    for (int row = 1; row < counters.rows(); ++row) {
        const QStringList fields = CounterSetFile::fieldsOf(CounterSetFile::lineOf(counters, row));
        for (int column = 0; column < CounterSet::columnCount; ++column) {
            if (fields.value(column) != counters.cell(column, row))
                std::abort();
        }
    }
    return 0;
}
