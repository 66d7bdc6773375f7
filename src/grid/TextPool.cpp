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

} // namespace

TextPool::TextPool() : entries_(1), blocks_(1), seed_(qGlobalQHashSeed())
{ }

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
        resizeSlots(std::max(firstSlotCount, slots_.size() * 2));
    const std::uint32_t hash = hashOf(text);
    for (std::size_t slot = slotOf(hash);; slot = (slot + 1) & (slots_.size() - 1)) {
        const Slot &at = slots_[slot];
        if (at.id == emptyText)
            return store(text, hash, slot);
        if (at.hash == hash && this->text(at.id) == text) {
            ++entries_[at.id].uses;
            return at.id;
        }
    }
}

TextPool::Id TextPool::store(QStringView text, std::uint32_t hash, std::size_t slot)
{
    const Entry entry = copyOf(text);
    Id id = emptyText;
    if (freeIds_.empty()) {
        id = Id(entries_.size());
        entries_.push_back(entry);
    } else {
        id = freeIds_.back();
        freeIds_.pop_back();
        entries_[id] = entry;
    }
    slots_[slot] = { id, hash };
    ++usedSlots_;
    return id;
}

// Nothing stored moves, so `text` may be one of the pool's own.
TextPool::Entry TextPool::copyOf(QStringView text)
{
    if (text.size() > qsizetype(std::numeric_limits<std::uint32_t>::max()))
        throw std::length_error("A table cell cannot hold a text this long.");
    const auto length = std::uint32_t(text.size());
    const std::uint32_t index = blockWithRoom(length);
    Block &block = blocks_[index];
    const Entry entry { index, block.filled, length, 1 };
    std::memcpy(block.chars.get() + block.filled, text.utf16(), length * sizeof(char16_t));
    block.filled += length;
    ++block.texts;
    return entry;
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
    if (previous != 0 && blocks_[previous].texts == 0) {
        blockChars_ -= blocks_[previous].size;
        blocks_[previous] = Block();
        freeBlocks_.push_back(previous);
    }
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

void TextPool::dropText(Entry &entry)
{
    Block &block = blocks_[entry.block];
    if (--block.texts > 0)
        return;
    if (entry.block == fillBlock_) {
        block.filled = 0;
        return;
    }
    blockChars_ -= block.size;
    block = Block();
    freeBlocks_.push_back(entry.block);
}

void TextPool::resizeSlots(std::size_t count)
{
    std::vector<Slot> old(count);
    old.swap(slots_);
    for (const Slot &slot : old) {
        if (slot.id != emptyText)
            insertSlot(slot);
    }
}

void TextPool::insertSlot(Slot slot)
{
    std::size_t at = slotOf(slot.hash);
    while (slots_[at].id != emptyText)
        at = (at + 1) & (slots_.size() - 1);
    slots_[at] = slot;
}

// Linear probing without markers for removed slots: the slots after the freed one that would no
// longer be found move back into the gap.
void TextPool::removeSlotOf(Id id)
{
    const std::size_t mask = slots_.size() - 1;
    std::size_t gap = slotOf(hashOf(text(id)));
    while (slots_[gap].id != id)
        gap = (gap + 1) & mask;
    for (std::size_t next = (gap + 1) & mask; slots_[next].id != emptyText; next = (next + 1) & mask) {
        const std::size_t home = slotOf(slots_[next].hash);
        // The slot at `next` stays unless its home lies outside the stretch after the gap up to it.
        const bool staysFindable = gap < next ? (home > gap && home <= next) : (home > gap || home <= next);
        if (staysFindable)
            continue;
        slots_[gap] = slots_[next];
        gap = next;
    }
    slots_[gap] = Slot();
    --usedSlots_;
}

void TextPool::clear()
{
    *this = TextPool();
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
    slots_ = std::vector<Slot>(slotCount);
    usedSlots_ = entries_.size() - 1;
    for (Id id = 1; id < entries_.size(); ++id)
        insertSlot({ id, hashOf(text(id)) });
    return renumbered;
}
