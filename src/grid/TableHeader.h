#pragma once

#include "GridTable.h"

#include <QStringList>
#include <QStringView>

#include <array>
#include <cstddef>

// The header row of a table whose columns are fixed, one column per text. A table layout names its
// texts once, in a constexpr TableHeader; the column count, the header list and the emptied table
// follow from them.
template <std::size_t N> class TableHeader
{
public:
    template <typename... Texts>
    constexpr explicit TableHeader(const Texts &...texts) : texts_ { QStringView(texts)... }
    { }

    constexpr int columnCount() const { return int(N); }

    QStringList texts() const
    {
        QStringList list;
        list.reserve(qsizetype(N));
        for (QStringView text : texts_)
            list.append(text.toString());
        return list;
    }

    // The emptied table: one column per text, every cell empty, two rows, the texts in row 0.
    void reset(GridTable &table) const { table.resetWithHeader(texts()); }

private:
    std::array<QStringView, N> texts_;
};

template <typename... Texts> TableHeader(const Texts &...) -> TableHeader<sizeof...(Texts)>;
