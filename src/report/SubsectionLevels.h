#pragma once

#include <QString>
#include <QStringView>

#include <array>

// The four nested subheadings under the current section. A report expresses nesting by indentation:
// each level remembers the indent of the line that set it, and a level is free while that indent
// is 0 (a line's indent counts from 1, so only an emptied level, or the title of an engine CPU
// block, has indent 0).
class SubsectionLevels
{
public:
    static constexpr int count = 4;

    // `level` counts from 1.
    const QString &text(int level) const { return levels_[std::size_t(level - 1)].text; }
    int indent(int level) const { return levels_[std::size_t(level - 1)].indent; }
    bool isFree(int level) const { return indent(level) == 0; }
    void set(int level, const QString &text, int indent);
    void setText(int level, const QString &text);

    // Empties levels `from` to 4 and frees them.
    void clearFrom(int from);

    // A level 1 that names a cache ("Cache: default data cache") holds the whole cache block
    // together whatever the indentation of its lines.
    bool level1IsCache() const;

    // The four levels, trimmed, joined by "." into four slots: "Cache Searches..." or "...".
    const QString &path() const;

private:
    struct Level
    {
        QString text;
        int indent = 0;
    };
    std::array<Level, count> levels_;
    mutable QString path_ = QStringLiteral("...");
    mutable bool pathStale_ = false;
};
