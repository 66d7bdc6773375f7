#pragma once

#include <QStringView>

#include <cstdint>

// Which pairs of neighbouring characters a line holds, as a small set of hashed pairs, so that most
// of the parser's many substring tests on a line are settled without a search: a line that lacks
// one pair of a needle cannot hold the needle. (A set that answers "maybe" is then searched.)
// ASCII letters are folded before hashing, so the same set serves the tests that ignore letter case.
class CharacterPairs
{
public:
    explicit CharacterPairs(QStringView text = {})
    {
        const char16_t *chars = text.utf16();
        std::uint64_t bits = 0;
        for (qsizetype i = 1; i < text.size(); ++i)
            bits |= std::uint64_t(1) << hash(chars[i - 1], chars[i]);
        bits_ = bits;
    }

    // False only when `needle` occurs in no letter case in the text. A needle of one character
    // has no pair and always may.
    bool mayHold(QStringView needle) const
    {
        for (qsizetype i = 1; i < needle.size(); ++i) {
            if (!(bits_ & (std::uint64_t(1) << hash(needle[i - 1].unicode(), needle[i].unicode()))))
                return false;
        }
        return true;
    }

private:
    // 'A' | 0x20 is 'a': folding sets bit 5, which leaves every other character that differs from
    // another only in that bit sharing its hash; a shared hash only makes the set say "maybe" more.
    static unsigned hash(char16_t previous, char16_t current)
    {
        return ((unsigned(previous | 0x20) * 7u) ^ unsigned(current | 0x20)) & 63u;
    }

    std::uint64_t bits_ = 0;
};
