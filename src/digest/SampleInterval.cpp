#include "SampleInterval.h"

#include "common/TextRules.h"

#include <QList>

namespace SampleInterval {

namespace {

constexpr qsizetype maxHourDigits = 5;

std::optional<int> digitsOf(QStringView field, qsizetype maxDigits)
{
    if (field.isEmpty() || field.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (QChar c : field) {
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

std::optional<int> seconds(QStringView text)
{
    const QList<QStringView> fields = TextRules::trimmedView(text).split(u':');
    if (fields.size() != 3)
        return std::nullopt;
    const auto hours = digitsOf(fields[0], maxHourDigits);
    const auto minutes = digitsOf(fields[1], 2);
    const auto secs = digitsOf(fields[2], 2);
    if (!hours || !minutes || !secs || *minutes >= 60 || *secs >= 60)
        return std::nullopt;
    const int total = (*hours * 60 + *minutes) * 60 + *secs;
    if (total == 0)
        return std::nullopt;
    return total;
}

} // namespace SampleInterval
