#pragma once

#include <QRandomGenerator>

// The scatter of a generated report's figures around what the load calls for. Seeded, so that the
// same seed gives the same reports on every machine: a Mersenne twister's sequence is fixed, and
// the doubles are made from it here rather than by a library's distribution.
class ReportNoise
{
public:
    explicit ReportNoise(quint32 seed) : random_(seed) { }

    // A number from [low, high).
    double between(double low, double high);
    // `value` moved by up to `spread` of itself either way (0.05: up to 5 %).
    double around(double value, double spread);

private:
    QRandomGenerator random_;
};
