#include "ReportNoise.h"

double ReportNoise::between(double low, double high)
{
    // 32 random bits are plenty for a figure printed with one decimal.
    const double unit = double(random_.generate()) / 4294967296.0;
    return low + (high - low) * unit;
}

double ReportNoise::around(double value, double spread)
{
    return value * between(1.0 - spread, 1.0 + spread);
}
