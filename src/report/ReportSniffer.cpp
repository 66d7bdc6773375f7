#include "ReportSniffer.h"

#include "common/TextFile.h"

#include <QFile>
#include <QFileInfo>

namespace ReportSniffer {

QByteArray beginningOf(const QString &path)
{
    // A FIFO or a device among the files would block or never end.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(beginningBytes);
}

bool holdsTitle(QStringView text)
{
    return text.contains(QStringView(titleText));
}

bool isSysmonReport(const QString &path)
{
    return holdsTitle(TextFile::decode(beginningOf(path)));
}

} // namespace ReportSniffer
