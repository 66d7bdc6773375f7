#pragma once

#include <QTime>

// How busy an online server is over a working day, from 0 (idle) to 1: quiet at night but for a
// batch run at two o'clock, a morning peak around half past ten, a dip at lunch, the day's peak in
// the afternoon around three, and a quiet evening. Every day has the same curve.
namespace DailyLoad {

double at(QTime timeOfDay);

} // namespace DailyLoad
