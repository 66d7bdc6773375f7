#include "CounterNameIndex.h"

#include "DigestTableLayout.h"
#include "common/TextRules.h"
#include "grid/GridTable.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

std::vector<qsizetype> positionsOf(const QString &text, QChar c)
{
    std::vector<qsizetype> positions;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == c)
            positions.push_back(i);
    }
    return positions;
}

qsizetype pieceCount(const std::vector<qsizetype> &opening, const std::vector<qsizetype> &closing)
{
    qsizetype count = 0;
    for (qsizetype open : opening)
        count += std::end(closing) - std::upper_bound(closing.begin(), closing.end(), open);
    return count;
}

QString bracketed(const QString &field)
{
    return u'[' % field % u']';
}

} // namespace

CounterNameIndex::CounterNameIndex(const GridTable &digest)
{
    names_.resize(std::size_t(digest.rows()));
    for (int row = 1; row < digest.rows(); ++row) {
        names_[std::size_t(row)] = digest.cell(DigestTableLayout::CounterName, row);
        add(row, names_[std::size_t(row)]);
    }
}

void CounterNameIndex::add(int row, const QString &name)
{
    const std::vector<qsizetype> opening = positionsOf(name, u'[');
    const std::vector<qsizetype> closing = positionsOf(name, u']');
    if (pieceCount(opening, closing) > maxPiecesPerName) {
        unindexedRows_.push_back(row);
        return;
    }
    for (qsizetype open : opening) {
        for (auto close = std::upper_bound(closing.begin(), closing.end(), open); close != closing.end(); ++close) {
            std::vector<int> &rows = rowsByPiece_[name.mid(open, *close - open + 1)];
            // A name that holds the same piece twice is listed once.
            if (rows.empty() || rows.back() != row)
                rows.push_back(row);
        }
    }
}

const std::vector<int> *CounterNameIndex::rowsWithPiece(const QString &piece) const
{
    static const std::vector<int> noRows;
    const auto found = rowsByPiece_.constFind(piece);
    return found == rowsByPiece_.cend() ? &noRows : &found.value();
}

std::vector<int> CounterNameIndex::rowsMatching(const QString &section, const QString &subSection1,
                                                const QString &subSection2) const
{
    std::array<QString, 3> needles;
    qsizetype needleCount = 0;
    for (const QString *field : { &section, &subSection1, &subSection2 }) {
        if (!TextRules::isBlankText(*field))
            needles[std::size_t(needleCount++)] = bracketed(*field);
    }
    if (needleCount == 0)
        return {};

    // The candidates are the rows holding the rarest needle, and the names too rich to index.
    const std::vector<int> *rarest = rowsWithPiece(needles[0]);
    for (qsizetype i = 1; i < needleCount; ++i) {
        const std::vector<int> *rows = rowsWithPiece(needles[std::size_t(i)]);
        if (rows->size() < rarest->size())
            rarest = rows;
    }
    std::vector<int> candidates;
    candidates.reserve(rarest->size() + unindexedRows_.size());
    std::merge(rarest->begin(), rarest->end(), unindexedRows_.begin(), unindexedRows_.end(),
               std::back_inserter(candidates));

    std::vector<int> matching;
    for (int row : candidates) {
        const QString &name = names_[std::size_t(row)];
        const auto holds = [&name](const QString &needle) {
            return name.contains(needle);
        };
        if (std::all_of(needles.begin(), needles.begin() + needleCount, holds))
            matching.push_back(row);
    }
    return matching;
}
