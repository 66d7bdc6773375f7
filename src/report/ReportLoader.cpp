#include "ReportLoader.h"

#include "common/TextFile.h"
#include "common/TextRules.h"

namespace ReportLoader {

QStringList load(const QString &path)
{
    return TextFile::read(path, maxReportBytes).lines;
}

QString loadedStatus(const QString &path)
{
    return QStringLiteral("Loaded ...") % TextRules::rightPiece(path, 31);
}

} // namespace ReportLoader
