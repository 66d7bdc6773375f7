#include "ConsoleUi.h"

void ConsoleUi::error(const QString &text)
{
    std::fputs(text.toLocal8Bit().append('\n').constData(), errors_);
    std::fflush(errors_);
}

void ConsoleUi::info(const QString &text)
{
    error(text);
}
