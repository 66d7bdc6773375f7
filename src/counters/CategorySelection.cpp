#include "CategorySelection.h"

#include "common/TextRules.h"
#include "grid/GridTable.h"
#include "report/CategoryLists.h"
#include "report/SectionTableLayout.h"

namespace CategorySelection {

namespace {

constexpr int firstValueColumn = SectionTableLayout::PerSec;

BoxSetting boxFor(const QStringList &items, QStringView text)
{
    const int index = indexOfItem(items, text);
    return index < 0 ? BoxSetting {} : BoxSetting { items[index], index };
}

// The header of `column` once the labels have been written: the type box follows the figure the
// user is looking at, which for a spinlock row is not the ordinary column's figure.
QString headerAfterRelabelling(const GridTable &sections, int column, HeaderLabels labels)
{
    const QStringList texts = labelTexts(labels);
    const int at = column - firstValueColumn;
    return at >= 0 && at < texts.size() ? texts[at] : sections.cell(column, 0).toString();
}

} // namespace

QStringList labelTexts(HeaderLabels labels)
{
    if (labels == HeaderLabels::Spinlock) {
        return { QStringLiteral("Waits"),   QStringLiteral("Spins"),     QStringLiteral("Grabs"),
                 QStringLiteral("% Contn"), QStringLiteral("Spin/Wait"), QStringLiteral("Fields"),
                 QStringLiteral("N/A") };
    }
    return SectionTableLayout::headerTexts().mid(firstValueColumn);
}

int indexOfItem(const QStringList &items, QStringView text)
{
    return TextRules::indexOfItem(items, text);
}

std::optional<Setting> settingFor(const GridTable &sections, int row, int column, const CategoryLists &lists,
                                  const QStringList &counterTypes)
{
    using namespace SectionTableLayout;
    if (sections.cell(PerSec, row).isEmpty() && sections.cell(CpuPercent, row).isEmpty())
        return std::nullopt;

    Setting setting;
    // Only the parser's own spelling marks a spinlock row; an edited "spinlocks" is an ordinary row.
    if (sections.cell(Section, row) == u"Spinlocks")
        setting.labels = HeaderLabels::Spinlock;
    setting.section = boxFor(lists.sections, sections.cell(Section, row));
    setting.subSection1 = boxFor(lists.subSections1, sections.cell(SubSection1, row));
    setting.subSection2 = boxFor(lists.subSections2, sections.cell(SubSection2, row));
    if (column > SubSection2)
        setting.counterType = boxFor(counterTypes, headerAfterRelabelling(sections, column, setting.labels));
    return setting;
}

void writeHeaderLabels(GridTable &sections, HeaderLabels labels)
{
    // This runs on every key and mouse event of the section table: rewriting labels that already
    // stand would make the header repaint each time.
    const QStringList texts = labelTexts(labels);
    for (int i = 0; i < texts.size(); ++i) {
        if (sections.cell(firstValueColumn + i, 0) != texts[i])
            sections.setCell(firstValueColumn + i, 0, texts[i]);
    }
}

} // namespace CategorySelection
