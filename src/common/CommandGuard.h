#pragma once

#include <QString>

#include <functional>

class Ui;

// Each command runs inside one failure guard: a failure ends the command and shows the error box
// "APP. ERR (" + the command's error name + "):  " + the failure's message.
namespace CommandGuard {

QString errorText(const QString &errorName, const QString &message);

// Runs `command`; on a failure shows the error box through `ui`. Returns false after a failure.
bool run(Ui &ui, const QString &errorName, const std::function<void()> &command);

} // namespace CommandGuard
