#include "NumberText.h"

#include "TextRules.h"

#include <QLocale>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace NumberText {

namespace {

constexpr int significantDigits = 15;

// The decimal digits of a finite, non-zero |value| rounded to 15 significant digits, trailing
// zeros removed, and its decimal exponent: value = d.ddd x 10^exponent.
struct Decimal
{
    QString digits;
    int exponent = 0;
};

Decimal decompose(double magnitude)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, magnitude);
    // buffer: "d.dddddddddddddde+XX"
    Decimal d;
    const char *p = buffer;
    for (; *p != 'e' && *p != '\0'; ++p) {
        if (*p != '.')
            d.digits.append(QLatin1Char(*p));
    }
    if (*p == 'e')
        d.exponent = std::atoi(p + 1);
    while (d.digits.size() > 1 && d.digits.endsWith(u'0'))
        d.digits.chop(1);
    return d;
}

QString plainDigits(const Decimal &d)
{
    if (d.exponent < 0)
        return QStringLiteral("0.") % QString(-d.exponent - 1, u'0') % d.digits;
    const qsizetype integerDigits = d.exponent + 1;
    if (d.digits.size() <= integerDigits)
        return d.digits % QString(integerDigits - d.digits.size(), u'0');
    return d.digits.left(integerDigits) % u'.' % d.digits.mid(integerDigits);
}

QString scientificDigits(const Decimal &d)
{
    QString mantissa = d.digits.left(1);
    if (d.digits.size() > 1)
        mantissa += u'.' % d.digits.mid(1);
    return mantissa % u'E' % QString::number(d.exponent);
}

std::optional<QString> special(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0.0)
        return QStringLiteral("0");
    return std::nullopt;
}

QString sign(double value)
{
    return value < 0 ? QStringLiteral("-") : QString();
}

} // namespace

QString general(double value)
{
    if (auto text = special(value))
        return *text;
    const Decimal d = decompose(std::fabs(value));
    const bool plainNotation = d.exponent >= -5 && d.exponent < significantDigits;
    return sign(value) % (plainNotation ? plainDigits(d) : scientificDigits(d));
}

QString plain(double value)
{
    if (auto text = special(value))
        return *text;
    return sign(value) % plainDigits(decompose(std::fabs(value)));
}

std::optional<double> readReal(QStringView text)
{
    const QString t = TextRules::trimmed(text);
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(t, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> readInteger(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // Accumulate towards the negative side: its range is one larger, so INT64_MIN reads too.
    std::int64_t value = 0;
    constexpr std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c - u'0';
        if (value < (lowest + digit) / 10)
            return std::nullopt;
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == lowest)
            return std::nullopt;
        value = -value;
    }
    return value;
}

} // namespace NumberText
