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
    if (text.isEmpty())
        return -1;
    const QStringList types = all();
    for (int i = 0; i < types.size(); ++i) {
        if (TextRules::equalsAnyCase(types[i], text))
            return i;
    }
    return -1;
}

} // namespace CounterTypes
