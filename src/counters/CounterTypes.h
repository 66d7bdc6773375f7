#pragma once

#include <QString>
#include <QStringList>

// The thirteen counter types: which figure of a counter the digest takes. Their order is the item
// order of the counter type box, which the fallbacks of Add Counter rely on.
namespace CounterTypes {

// "PerSec", "PedXact", "Count", "% Total", "CPU %", "IO %", "Idle %", "Waits", "Grabs",
// "Spins", "% Contn", "Spin/Wait", "Fields".
QStringList all();

inline constexpr int perSecIndex = 0;
inline constexpr int cpuPercentIndex = 4;

// Index of the first type equal to `text` with ASCII letter case ignored, or -1. An empty text
// matches no type.
int indexOf(const QString &text);

} // namespace CounterTypes
