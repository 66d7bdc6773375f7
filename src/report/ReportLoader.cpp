#include "ReportLoader.h"

#include "common/TextFile.h"
#include "common/TextRules.h"

namespace ReportLoader {

TextLines load(const QString &path, FileKinds kinds)
{
    return TextFile::readLines(path, maxReportBytes, kinds);
}

QString loadedStatus(const QString &path)
{
    return QStringLiteral("Loaded ...") % TextRules::rightPiece(path, 31);
}

} // namespace ReportLoader
