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
    QString message;
    try {
        command();
        return true;
    } catch (const Failure &failure) {
        message = failure.message();
    } catch (const std::bad_alloc &) {
        message = QStringLiteral("Out of memory.");
    } catch (const std::exception &e) {
        message = QString::fromLocal8Bit(e.what());
    }
    ui.error(errorText(errorName, message));
    return false;
}

} // namespace CommandGuard
