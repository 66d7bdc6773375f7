#include "ReportProblem.h"

QString ReportProblem::kindText(Kind kind)
{
    switch (kind) {
    case Kind::ParseFailed:
        return QStringLiteral("parse failed");
    case Kind::OutsideTimeWindow:
        return QStringLiteral("outside the time window");
    case Kind::OtherServer:
        return QStringLiteral("other server");
    case Kind::OtherSampleInterval:
        return QStringLiteral("other sample interval");
    case Kind::CounterMissing:
        return QStringLiteral("counter missing");
    case Kind::CounterMatchedMoreThanOnce:
        return QStringLiteral("counter matched more than once");
    }
    return QString();
}
