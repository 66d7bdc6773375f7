#pragma once

#include <QStringView>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The distinct texts of one table, each held once however many cells show it, with a count of the
// cells that do. Most cells of a report's section table and of a digest repeat a handful of texts
// ("0.0", "n/a", a section's name), so a cell costs a small number and a text its characters once.
//
// A text never moves while it is in use: a view of it stays valid until its last use is released
// or the pool is cleared. Characters are kept in blocks, and a block goes as soon as none of its
// texts is in use any more; the entry of a released text is reused by the next new one.
//
// The pool belongs to its table: nothing in it is shared with another pool.
class TextPool
{
public:
    using Id = std::uint32_t;
    // The empty text: held by no entry, counted by nobody, the id of every blank cell.
    static constexpr Id emptyText = 0;

    TextPool();

    // The id of `text`, stored when it is new, with one more use. `text` may view a text of this
    // very pool.
    Id take(QStringView text);
    // One more use of a text already held.
    void share(Id id);
    // One use less; the last use drops the text.
    void release(Id id);

    QStringView text(Id id) const
    {
        const Entry &entry = entries_[id];
        return QStringView(blocks_[entry.place >> offsetBits].chars.get() + (entry.place & offsetMask),
                           qsizetype(entry.length));
    }

    // Drops every text and gives back the memory; every id handed out before is void.
    void clear();

    // Entries of released texts that wait for reuse, and all entries: ids stay below the latter.
    std::size_t unusedIds() const { return freeIds_.size(); }
    Id idLimit() const { return Id(entries_.size()); }
    // Numbers the texts in use 1, 2, ... without moving them and returns the new id of each old
    // one (emptyText for an id not in use); the caller renumbers whatever holds ids.
    std::vector<Id> renumber();

private:
    // A text's place: its block in the high bits, where it starts in the block in the low ones.
    static constexpr int offsetBits = 15;
    static constexpr std::uint32_t offsetMask = (1u << offsetBits) - 1;

    struct Entry
    {
        std::uint32_t place = 0;
        std::uint32_t length = 0;
        std::uint32_t uses = 0;
        std::uint32_t hash = 0;
    };
    struct Block
    {
        std::unique_ptr<char16_t[]> chars;
        std::uint32_t size = 0;
        std::uint32_t filled = 0;
        std::uint32_t texts = 0; // in use
    };

    // Compared here rather than in Qt: most texts are a few characters long.
    static bool sameText(QStringView a, QStringView b)
    {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
    }
    std::uint32_t hashOf(QStringView text) const;
    std::size_t homeOf(std::uint32_t hash) const { return hash & (slots_.size() - 1); }
    std::size_t nextSlot(std::size_t slot) const { return (slot + 1) & (slots_.size() - 1); }
    Id store(QStringView text, std::uint32_t hash, std::size_t slot);
    std::uint32_t copyOf(QStringView text);
    std::uint32_t blockWithRoom(std::uint32_t length);
    void dropText(const Entry &entry);
    void freeBlock(std::uint32_t index);
    void rebuildSlots(std::size_t count);
    void removeSlotOf(Id id);

    std::vector<Entry> entries_; // [Id]; entries_[emptyText] is the empty text
    std::vector<Id> freeIds_;
    // Open addressing by the texts' hashes, linear probing; a free slot holds emptyText. A power of
    // two long, at most half full.
    std::vector<Id> slots_;
    std::size_t usedSlots_ = 0;
    // blocks_[0] is the empty text's, with no characters; new texts go into fillBlock_.
    std::vector<Block> blocks_;
    std::vector<std::uint32_t> freeBlocks_;
    std::uint32_t fillBlock_ = 0;
    std::size_t blockChars_ = 0;
    std::size_t seed_ = 0;
};
