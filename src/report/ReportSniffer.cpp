#include "ReportSniffer.h"

#include "ReportLoader.h"
#include "common/CommandGuard.h"

#include <QFileInfo>

namespace ReportSniffer {

bool holdsTitle(QStringView text)
{
    return text.contains(QStringView(titleText));
}

bool isSysmonReport(const QString &path)
{
    // A FIFO or a device among the files would block or never end.
    if (!QFileInfo(path).isFile())
        return false;
    QString beginning;
    CommandGuard::failureOf([&] { beginning = ReportLoader::head(path, beginningCharacters); });
    return holdsTitle(beginning);
}

} // namespace ReportSniffer
