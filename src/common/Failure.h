#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// A failure that ends the running command. Its message is what the user reads after
// "APP. ERR (<command>):  " in the error box, so it is written for a person, not a programmer.
class Failure : public std::exception
{
public:
    explicit Failure(const QString &message) : message_(message), utf8_(message.toUtf8()) { }

    const QString &message() const noexcept { return message_; }
    const char *what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};
