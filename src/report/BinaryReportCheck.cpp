#include "BinaryReportCheck.h"

#include "common/TextLines.h"

namespace BinaryReportCheck {

std::optional<QString> failureOf(const QString &path, const TextLines &report)
{
    if (!report.joined().contains(QChar(u'\0')))
        return std::nullopt;
    return QStringLiteral("\"") % path % QStringLiteral("\" is not a Sysmon report: it holds binary data.");
}

} // namespace BinaryReportCheck
