#include "CommandGuard.h"

#include "Failure.h"
#include "Ui.h"

#include <new>

namespace CommandGuard {

QString errorText(const QString &errorName, const QString &message)
{
    return QStringLiteral("APP. ERR (") % errorName % QStringLiteral("):  ") % message;
}

bool run(Ui &ui, const QString &errorName, const std::function<void()> &command)
{
    const std::optional<QString> failure = failureOf(command);
    if (failure)
        ui.error(errorText(errorName, *failure));
    return !failure;
}

std::optional<QString> failureOf(const std::function<void()> &command)
{
    try {
        command();
        return std::nullopt;
    } catch (const Failure &failure) {
        return failure.message();
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Out of memory.");
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    }
}

} // namespace CommandGuard
