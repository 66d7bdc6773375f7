#include "CounterNameIndex.h"

#include "DigestRows.h"
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

// Rewrites `text` in the room it has: a field changes from one section row to the next, and a new
// text each time would cost an allocation per row of every report.
void overwrite(QString &text, QStringView with)
{
    text.resize(with.size());
    std::copy(with.begin(), with.end(), text.begin());
}

} // namespace

CounterNameIndex::CounterNameIndex(const GridTable &digest) : CounterNameIndex(DigestRows::of(digest).names)
{ }

CounterNameIndex::CounterNameIndex(const QStringList &namesByRow)
{
    names_.resize(std::size_t(namesByRow.size() + 1));
    for (int row = 1; row <= namesByRow.size(); ++row) {
        names_[std::size_t(row)] = namesByRow[row - 1];
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

const std::vector<int> &CounterNameIndex::rowsWithPiece(const QString &piece) const
{
    static const std::vector<int> noRows;
    const auto found = rowsByPiece_.constFind(piece);
    return found == rowsByPiece_.cend() ? noRows : found.value();
}

const std::vector<int> &CounterNameIndex::rowsHolding(const QString &field) const
{
    const auto known = rowsByField_.find(field);
    if (known != rowsByField_.end())
        return known->second;
    // The names too rich to index are tested directly.
    const QString needle = bracketed(field);
    const std::vector<int> &indexed = rowsWithPiece(needle);
    std::vector<int> unindexed;
    for (int row : unindexedRows_) {
        if (names_[std::size_t(row)].contains(needle))
            unindexed.push_back(row);
    }
    std::vector<int> rows;
    rows.reserve(indexed.size() + unindexed.size());
    std::merge(indexed.begin(), indexed.end(), unindexed.begin(), unindexed.end(), std::back_inserter(rows));
    return rowsByField_.emplace(field, std::move(rows)).first->second;
}

const std::vector<int> &CounterNameIndex::rowsMatching(QStringView section, QStringView subSection1,
                                                       QStringView subSection2) const
{
    const std::array<QStringView, 3> fields { section, subSection1, subSection2 };
    std::array<const std::vector<int> *, 3> lists {};
    std::size_t listCount = 0;
    matching_.clear();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        RecentField &recent = recent_[i];
        if (!recent.known || recent.text != fields[i]) {
            overwrite(recent.text, fields[i]);
            recent.rows = TextRules::isBlankText(recent.text) ? nullptr : &rowsHolding(recent.text);
            recent.known = true;
        }
        if (!recent.rows)
            continue;
        // A field no counter name holds rules the row out; the fields after it need no look-up.
        if (recent.rows->empty())
            return matching_;
        lists[listCount++] = recent.rows;
    }
    if (listCount == 0)
        return matching_;
    // The rows holding every field: those of the shortest list that the others hold too.
    for (std::size_t i = 1; i < listCount; ++i) {
        if (lists[i]->size() < lists[0]->size())
            std::swap(lists[0], lists[i]);
    }
    for (int row : *lists[0]) {
        const auto holds = [row](const std::vector<int> *rows) {
            return std::binary_search(rows->begin(), rows->end(), row);
        };
        if (std::all_of(lists.begin() + 1, lists.begin() + std::ptrdiff_t(listCount), holds))
            matching_.push_back(row);
    }
    return matching_;
}

const std::vector<int> &CounterNameIndex::rowsMatchingAt(int position, QStringView section, QStringView subSection1,
                                                         QStringView subSection2) const
{
    if (position < 0)
        return rowsMatching(section, subSection1, subSection2);
    if (std::size_t(position) >= byPosition_.size())
        byPosition_.resize(std::size_t(position) + 1);
    RememberedRow &remembered = byPosition_[std::size_t(position)];
    const std::array<QStringView, 3> fields { section, subSection1, subSection2 };
    if (remembered.known && std::equal(fields.begin(), fields.end(), remembered.fields.begin()))
        return remembered.rows;
    remembered.rows = rowsMatching(section, subSection1, subSection2);
    for (std::size_t i = 0; i < fields.size(); ++i)
        overwrite(remembered.fields[i], fields[i]);
    remembered.known = true;
    return remembered.rows;
}
