#pragma once

#include <QStringList>

class GridTable;

// The counters a run digests: the digest table's rows as they stood when the run started. The
// workers that read and parse reports share them, so they are plain values, never the table.
struct DigestRows
{
    // By digest row: row r at index r - 1.
    QStringList names;
    QStringList types;

    static DigestRows of(const GridTable &digest);
    qsizetype count() const { return names.size(); }
};
