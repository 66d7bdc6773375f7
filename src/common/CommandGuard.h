#pragma once

#include <QString>

#include <functional>
#include <optional>

class Ui;

// Each command runs inside one failure guard: a failure ends the command and shows the error box
// "APP. ERR (" + the command's error name + "):  " + the failure's message.
namespace CommandGuard {

QString errorText(const QString &errorName, const QString &message);

// Runs `command`; on a failure shows the error box through `ui`. Returns false after a failure.
bool run(Ui &ui, const QString &errorName, const std::function<void()> &command);

// Runs `command` and returns the message of the failure that ended it, or nothing when it ran to
// its end: a Failure's own message, "Out of memory." when memory ran out. For callers that report
// a failure their own way and go on.
std::optional<QString> failureOf(const std::function<void()> &command);

} // namespace CommandGuard
