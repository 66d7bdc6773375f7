#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

// Date-times as the system writes them, day first: "dd/mm/yyyy hh:mm:ss", with "/" between the
// date parts and ":" between the time parts whatever the desktop's regional settings say.
namespace DateTimeText {

inline constexpr char16_t dateFormat[] = u"dd/mm/yyyy";
inline constexpr char16_t dateTimeFormat[] = u"dd/mm/yyyy hh:mm:ss";

// Reads "d/m/yyyy", "d/m/yyyy h:m[:s]" or a time alone "h:m[:s]" (which falls on 30/12/1899, the
// day that a time without a date stands for). Blanks at both ends are ignored. With Qt::UTC the
// text is taken as a plain wall-clock reading: a time that the desktop's zone skips when the clocks
// go forward then still reads, and one it passes twice still orders by its text.
std::optional<QDateTime> read(QStringView text, Qt::TimeSpec timeSpec = Qt::LocalTime);

// Writes a date-time in the day-first date-time format.
QString write(const QDateTime &dateTime);

} // namespace DateTimeText
