#include "SubsectionLevels.h"

#include "common/TextRules.h"

#include <string_view>

using namespace std::string_view_literals;

void SubsectionLevels::set(int level, const QString &text, int indent)
{
    Level &l = levels_[std::size_t(level - 1)];
    l.text = text;
    l.indent = indent;
    pathStale_ = true;
}

void SubsectionLevels::setText(int level, const QString &text)
{
    levels_[std::size_t(level - 1)].text = text;
    pathStale_ = true;
}

void SubsectionLevels::clearFrom(int from)
{
    for (int level = from; level <= count; ++level) {
        Level &l = levels_[std::size_t(level - 1)];
        if (!l.text.isEmpty() || l.indent != 0) {
            l.text.clear();
            l.indent = 0;
            pathStale_ = true;
        }
    }
}

bool SubsectionLevels::level1IsCache() const
{
    return TextRules::containsAnyCase(levels_[0].text, u"cache:"sv);
}

const QString &SubsectionLevels::path() const
{
    // Rows under the same subheadings share one path text, so it is built only when a level changes.
    if (pathStale_) {
        path_ = TextRules::trimmed(levels_[0].text) % u'.' % TextRules::trimmed(levels_[1].text) % u'.' %
            TextRules::trimmed(levels_[2].text) % u'.' % TextRules::trimmed(levels_[3].text);
        pathStale_ = false;
    }
    return path_;
}
