#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

// "From" and "To" of a digest run: it digests only the reports whose sampling start falls between
// them, both bounds included. A bound left empty does not limit, so the window as it starts lets
// every report through without even reading its sampling start.
class TimeWindow
{
public:
    // No bound at all.
    TimeWindow() = default;

    // The bounds as typed: "yyyy-MM-dd hh:mm:ss" or "yyyy-MM-dd", blanks at both ends allowed, or
    // nothing. A date alone stands for the whole day: From at its first second, To at its last, so
    // "--from 2025-01-15 --to 2025-01-15" keeps the reports of that day. Throws Failure for a text
    // that reads neither way, and for a window that ends before it starts.
    static TimeWindow fromTexts(QStringView from, QStringView to);

    bool bounded() const { return from_ || to_; }

    // Nothing when a report with this sampling start (the report header's text, like "Jan 15, 2025
    // 14:00:00") belongs to the window; otherwise why it does not. A bounded window cannot place a
    // report whose sampling start is missing or does not read as a date and time, so it leaves it
    // out too: the user asked for the reports of a stretch of time and cannot be shown one that
    // may lie anywhere.
    std::optional<QString> exclusionOf(const QString &samplingStart) const;

private:
    std::optional<QDateTime> from_;
    std::optional<QDateTime> to_;
};
