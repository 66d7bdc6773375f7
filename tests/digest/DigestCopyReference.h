#pragma once

#include "grid/GridTable.h"

#include <QString>
#include <QStringList>

#include <algorithm>

// The digest copy of one report into report column 4 done the slow, literal way, to hold the
// indexed copy against: the digest tests and the fuzz target of the counter match use it.
namespace DigestCopyReference {

using namespace Qt::Literals::StringLiterals;

// Written out here rather than taken from TextRules, which the copy itself uses: a field is blank
// when it holds nothing but spaces and control characters.
inline bool blank(const QString &field)
{
    return std::all_of(field.begin(), field.end(), [](QChar c) { return c.unicode() <= 32; });
}

// Letter case ignored for the ASCII letters only.
inline bool sameIgnoringAsciiCase(QStringView a, QStringView b)
{
    const auto lower = [](QChar c) {
        return c.unicode() >= u'A' && c.unicode() <= u'Z' ? char16_t(c.unicode() + 32) : c.unicode();
    };
    return a.size() == b.size() &&
        std::equal(a.begin(), a.end(), b.begin(), [&](QChar x, QChar y) { return lower(x) == lower(y); });
}

// Every section row against every digest row with substring tests, later matches overwriting
// earlier ones.
inline void copyTestingEveryPair(GridTable &digest, const GridTable &sections)
{
    static const QStringList spinlockTypes { u"Waits"_s,   u"Spins"_s,     u"Grabs"_s,
                                             u"% Contn"_s, u"Spin/Wait"_s, u"Fields"_s };
    for (int s = 1; s < sections.rows(); ++s) {
        const QStringList fields { sections.cell(0, s).toString(), sections.cell(1, s).toString(),
                                   sections.cell(2, s).toString() };
        if (std::all_of(fields.begin(), fields.end(), blank))
            continue;
        for (int d = 1; d < digest.rows(); ++d) {
            const auto passes = [&](const QString &f) {
                return blank(f) || digest.cell(1, d).contains(QString(u'[' + f + u']'));
            };
            if (!std::all_of(fields.begin(), fields.end(), passes))
                continue;
            const QString type = digest.cell(2, d).toString();
            int column = -1;
            if (fields[0] == u"Spinlocks"_s && spinlockTypes.contains(type))
                column = 3 + int(spinlockTypes.indexOf(type));
            for (int c = sections.columns() - 1; c >= 0 && fields[0] != u"Spinlocks"_s; --c)
                column = sameIgnoringAsciiCase(sections.cell(c, 0), type) ? c : column;
            digest.setCell(4, 0, u"t"_s);
            digest.setCell(4, d, column < 0 ? u"-1"_s : sections.cell(column, s));
        }
    }
}

} // namespace DigestCopyReference
