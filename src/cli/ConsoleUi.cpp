#include "ConsoleUi.h"

void ConsoleUi::print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

void ConsoleUi::error(const QString &text)
{
    print(errors_, text % u'\n');
}

void ConsoleUi::info(const QString &text)
{
    error(text);
}
