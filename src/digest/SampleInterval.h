#pragma once

#include <QStringView>

#include <optional>

// A report's sample interval as its header prints it: "Sample Interval: 00:10:00", hours, minutes
// and seconds.
namespace SampleInterval {

// The interval in seconds: "h:mm:ss" with any number of hour digits up to five, minutes and seconds
// of one or two digits below 60, blanks at both ends allowed. Nothing for any other text, and for
// an interval of no time at all, which could weigh nothing.
std::optional<int> seconds(QStringView text);

} // namespace SampleInterval
