#include "TextPool.h"

#include <QHashFunctions>

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

namespace {

// Blocks of characters grow with the pool, so a table of a few header texts costs little and a
// large one few allocations; a text longer than a block gets a block of its own.
constexpr std::size_t firstBlockChars = 256;
constexpr std::size_t largestBlockChars = 32 * 1024;
constexpr std::size_t firstSlotCount = 16;
constexpr std::size_t entriesKeptByClear = 16 * 1024;

} // namespace

TextPool::TextPool() : entries_(1), blocks_(1), seed_(qGlobalQHashSeed())
{
    static_assert(largestBlockChars <= offsetMask + 1, "where a text starts in its block must fit its place");
}

std::uint32_t TextPool::hashOf(QStringView text) const
{
    const std::size_t hash = qHash(text, seed_);
    return std::uint32_t(hash ^ (hash >> 32));
}

TextPool::Id TextPool::take(QStringView text)
{
    if (text.isEmpty())
        return emptyText;
    if ((usedSlots_ + 1) * 2 > slots_.size())
        rebuildSlots(std::max(firstSlotCount, slots_.size() * 2));
    const std::uint32_t hash = hashOf(text);
    for (std::size_t slot = homeOf(hash);; slot = nextSlot(slot)) {
        const Id id = slots_[slot];
        if (id == emptyText)
            return store(text, hash, slot);
        Entry &entry = entries_[id];
        if (entry.hash == hash && sameText(this->text(id), text)) {
            ++entry.uses;
            return id;
        }
    }
}

TextPool::Id TextPool::store(QStringView text, std::uint32_t hash, std::size_t slot)
{
    const Entry entry { copyOf(text), std::uint32_t(text.size()), 1, hash };
    Id id = emptyText;
    if (freeIds_.empty()) {
        id = Id(entries_.size());
        entries_.push_back(entry);
    } else {
        id = freeIds_.back();
        freeIds_.pop_back();
        entries_[id] = entry;
    }
    slots_[slot] = id;
    ++usedSlots_;
    return id;
}

// Nothing stored moves, so `text` may be one of the pool's own.
std::uint32_t TextPool::copyOf(QStringView text)
{
    if (text.size() > qsizetype(std::numeric_limits<std::uint32_t>::max()))
        throw std::length_error("A table cell cannot hold a text this long.");
    const auto length = std::uint32_t(text.size());
    const std::uint32_t index = blockWithRoom(length);
    Block &block = blocks_[index];
    const std::uint32_t place = (index << offsetBits) | block.filled;
    std::memcpy(block.chars.get() + block.filled, text.utf16(), length * sizeof(char16_t));
    block.filled += length;
    ++block.texts;
    return place;
}

std::uint32_t TextPool::blockWithRoom(std::uint32_t length)
{
    const Block &fill = blocks_[fillBlock_];
    if (fill.size - fill.filled >= length)
        return fillBlock_;
    const std::size_t usualSize = std::clamp(blockChars_, firstBlockChars, largestBlockChars);
    Block block { nullptr, std::uint32_t(std::max(std::size_t(length), usualSize)), 0, 0 };
    block.chars = std::make_unique_for_overwrite<char16_t[]>(block.size);
    blockChars_ += block.size;
    std::uint32_t index = 0;
    if (freeBlocks_.empty()) {
        if (blocks_.size() > (std::numeric_limits<std::uint32_t>::max() >> offsetBits))
            throw std::length_error("A table cannot hold this many long texts.");
        index = std::uint32_t(blocks_.size());
        blocks_.push_back(std::move(block));
    } else {
        index = freeBlocks_.back();
        freeBlocks_.pop_back();
        blocks_[index] = std::move(block);
    }
    if (length > usualSize)
        return index;
    // The block it takes over from goes now if it holds no text in use.
    const std::uint32_t previous = std::exchange(fillBlock_, index);
    if (previous != 0 && blocks_[previous].texts == 0)
        freeBlock(previous);
    return index;
}

void TextPool::share(Id id)
{
    if (id != emptyText)
        ++entries_[id].uses;
}

void TextPool::release(Id id)
{
    if (id == emptyText)
        return;
    Entry &entry = entries_[id];
    if (--entry.uses > 0)
        return;
    removeSlotOf(id);
    dropText(entry);
    entry = Entry();
    freeIds_.push_back(id);
}

void TextPool::dropText(const Entry &entry)
{
    const std::uint32_t index = entry.place >> offsetBits;
    Block &block = blocks_[index];
    if (--block.texts > 0)
        return;
    if (index == fillBlock_)
        block.filled = 0;
    else
        freeBlock(index);
}

void TextPool::freeBlock(std::uint32_t index)
{
    blockChars_ -= blocks_[index].size;
    blocks_[index] = Block();
    freeBlocks_.push_back(index);
}

void TextPool::rebuildSlots(std::size_t count)
{
    slots_.assign(count, emptyText);
    usedSlots_ = 0;
    for (Id id = 1; id < entries_.size(); ++id) {
        if (entries_[id].uses == 0)
            continue;
        std::size_t slot = homeOf(entries_[id].hash);
        while (slots_[slot] != emptyText)
            slot = nextSlot(slot);
        slots_[slot] = id;
        ++usedSlots_;
    }
}

// Linear probing without markers for removed slots: the slots after the freed one that would no
// longer be found move back into the gap.
void TextPool::removeSlotOf(Id id)
{
    std::size_t gap = homeOf(entries_[id].hash);
    while (slots_[gap] != id)
        gap = nextSlot(gap);
    for (std::size_t next = nextSlot(gap); slots_[next] != emptyText; next = nextSlot(next)) {
        const std::size_t home = homeOf(entries_[slots_[next]].hash);
        // The slot at `next` stays findable where it is when its home lies after the gap, up to it.
        const bool staysFindable = gap < next ? (home > gap && home <= next) : (home > gap || home <= next);
        if (staysFindable)
            continue;
        slots_[gap] = slots_[next];
        gap = next;
    }
    slots_[gap] = emptyText;
    --usedSlots_;
}

// A table emptied to be filled again (the section table, once per report of a digest) keeps the
// room of a pool of moderate size and its last block of characters; a large pool gives all back.
void TextPool::clear()
{
    if (entries_.capacity() > entriesKeptByClear) {
        *this = TextPool();
        return;
    }
    entries_.resize(1);
    freeIds_.clear();
    std::fill(slots_.begin(), slots_.end(), emptyText);
    usedSlots_ = 0;
    Block kept = std::move(blocks_[fillBlock_]);
    blocks_.resize(1);
    freeBlocks_.clear();
    fillBlock_ = 0;
    blockChars_ = 0;
    if (kept.chars) {
        kept.filled = 0;
        kept.texts = 0;
        blockChars_ = kept.size;
        blocks_.push_back(std::move(kept));
        fillBlock_ = 1;
    }
}

std::vector<TextPool::Id> TextPool::renumber()
{
    std::vector<Id> renumbered(entries_.size(), emptyText);
    std::vector<Entry> kept(1);
    kept.reserve(entries_.size() - freeIds_.size());
    for (Id id = 1; id < entries_.size(); ++id) {
        if (entries_[id].uses == 0)
            continue;
        renumbered[id] = Id(kept.size());
        kept.push_back(entries_[id]);
    }
    entries_ = std::move(kept);
    freeIds_ = {};
    std::size_t slotCount = firstSlotCount;
    while (slotCount < entries_.size() * 2)
        slotCount *= 2;
    rebuildSlots(slotCount);
    return renumbered;
}
