#include "ReportLoader.h"

#include "common/TextFile.h"
#include "common/TextRules.h"

namespace ReportLoader {

TextLines load(const QString &path, FileKinds kinds, WorkPacer *pacer)
{
    return TextFile::readLines(path, maxReportBytes, kinds, pacer);
}

QString loadedStatus(const QString &path)
{
    return QStringLiteral("Loaded ...") % TextRules::rightPiece(path, 31);
}

} // namespace ReportLoader
