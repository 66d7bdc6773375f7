#include "CounterTypes.h"

#include "common/TextRules.h"

namespace CounterTypes {

QStringList all()
{
    return { QStringLiteral("PerSec"),  QStringLiteral("PedXact"), QStringLiteral("Count"),
             QStringLiteral("% Total"), QStringLiteral("CPU %"),   QStringLiteral("IO %"),
             QStringLiteral("Idle %"),  QStringLiteral("Waits"),   QStringLiteral("Grabs"),
             QStringLiteral("Spins"),   QStringLiteral("% Contn"), QStringLiteral("Spin/Wait"),
             QStringLiteral("Fields") };
}

int indexOf(const QString &text)
{
    return TextRules::indexOfItem(all(), text);
}

} // namespace CounterTypes
