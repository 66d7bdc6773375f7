#include "DailyLoad.h"

#include <algorithm>
#include <cmath>

namespace DailyLoad {

namespace {

// A bump of `height` centred on `hour`, `width` hours wide at about 60 % of its height.
double bump(double hour, double centre, double width, double height)
{
    const double distance = (hour - centre) / width;
    return height * std::exp(-distance * distance / 2.0);
}

} // namespace

double at(QTime timeOfDay)
{
    const double hour = double(timeOfDay.msecsSinceStartOfDay()) / 3600000.0;
    const double load = 0.12 + bump(hour, 2.0, 0.6, 0.22) + bump(hour, 10.5, 1.4, 0.65) + bump(hour, 15.0, 1.9, 0.75);
    return std::clamp(load, 0.0, 1.0);
}

} // namespace DailyLoad
