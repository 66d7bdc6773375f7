#include "DigestColumnMap.h"

#include "common/TextRules.h"
#include "grid/GridTable.h"

namespace {

// The statistic a column's mark names, or -1 for an unmarked column.
int statisticMarkOf(const GridTable &digest, int column)
{
    const QVariant mark = digest.columnNote(column, DigestTableLayout::StatisticNote);
    if (!mark.isValid())
        return -1;
    const int index = mark.toInt();
    return index >= 0 && index < DigestTableLayout::statisticCount ? index : -1;
}

} // namespace

DigestColumnMap::DigestColumnMap(const GridTable &digest) : columns_(digest.columns())
{
    statistics_.fill(none);
    isReport_.assign(std::size_t(columns_), false);
    isProtected_.assign(std::size_t(columns_), false);
    isStatistic_.assign(std::size_t(columns_), false);
    bool counterNameFound = false;
    bool typeFound = false;
    for (int column = DigestTableLayout::Gutter + 1; column < columns_; ++column) {
        const QStringView header = digest.cell(column, 0);
        if (const int statistic = statisticMarkOf(digest, column); statistic >= 0) {
            if (statistics_[std::size_t(statistic)] == none)
                statistics_[std::size_t(statistic)] = column;
            ++statisticColumnCount_;
            isStatistic_[std::size_t(column)] = true;
            isProtected_[std::size_t(column)] = true;
            continue;
        }
        if (average_ == none && TextRules::equalsAnyCase(header, u"Avg"))
            average_ = column;
        if (isFixedHeader(header)) {
            isProtected_[std::size_t(column)] = true;
            if (!counterNameFound && header == u"Sysmon Counter") {
                counterName_ = column;
                counterNameFound = true;
            } else if (!typeFound && header == u"Type") {
                type_ = column;
                typeFound = true;
            }
            continue;
        }
        if (column != average_) {
            isReport_[std::size_t(column)] = true;
            reports_.push_back(column);
        }
    }
}

int DigestColumnMap::statistic(DigestTableLayout::Statistic statistic) const
{
    return statistics_[std::size_t(statistic)];
}

bool DigestColumnMap::isStatistic(int column) const
{
    return column >= 0 && column < columns_ && isStatistic_[std::size_t(column)];
}

bool DigestColumnMap::isReport(int column) const
{
    return column >= 0 && column < columns_ && isReport_[std::size_t(column)];
}

int DigestColumnMap::reportCount() const
{
    return columns_ - DigestTableLayout::fixedColumnCount - statisticColumnCount_;
}

bool DigestColumnMap::isProtected(int column) const
{
    return column >= 0 && column < columns_ && isProtected_[std::size_t(column)];
}

bool DigestColumnMap::isFixedHeader(QStringView header)
{
    return header == u"Sysmon Counter" || header == u"Type" || header == u"Avg";
}
