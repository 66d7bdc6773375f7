#pragma once

#include <QStringView>

#include <array>

// What a value line yields for its row: the entry name and up to four figures, as views into the
// line (or the literal "n/a"). The row writers trim them.
struct RowFigures
{
    QStringView entryName;
    std::array<QStringView, 4> values;
    // The part of the line left after the figures mentions "average": the row is laid out like a
    // CPU row.
    bool remainderMentionsAverage = false;
};
