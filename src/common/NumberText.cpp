#include "NumberText.h"

#include "TextRules.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <string>

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

// Nearly every figure of a report is a plain decimal ("12.5", "-1", "+3.25"); those are read
// directly, correctly rounded as the locale's reader rounds them. Nothing for any other form, which
// goes to the locale's reader.
std::optional<double> readPlainDecimal(QStringView text)
{
    char ascii[64];
    if (text.size() >= qsizetype(sizeof ascii))
        return std::nullopt;
    std::size_t length = 0;
    qsizetype i = 0;
    const bool negative = text[0] == u'-';
    if (text[0] == u'+' || negative) {
        if (negative)
            ascii[length++] = '-';
        ++i;
    }
    qsizetype integerDigits = 0;
    qsizetype fractionDigits = 0;
    bool point = false;
    std::uint64_t digits = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            (point ? fractionDigits : integerDigits) += 1;
            ascii[length++] = char(c);
            digits = digits * 10 + (c - u'0');
        } else if (c == u'.' && !point) {
            point = true;
            ascii[length++] = '.';
        } else {
            return std::nullopt;
        }
    }
    if (integerDigits == 0 || (point && fractionDigits == 0))
        return std::nullopt;
    // Up to 15 digits and 22 decimals, the digits and the power of ten are both exact doubles, so
    // one division rounds correctly.
    static constexpr double powersOfTen[] = { 1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                              1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22 };
    if (integerDigits + fractionDigits <= 15 && fractionDigits < qsizetype(std::size(powersOfTen))) {
        const double value = double(digits) / powersOfTen[fractionDigits];
        return negative ? -value : value;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(ascii, ascii + length, value);
    if (error != std::errc() || end != ascii + length)
        return std::nullopt;
    return value;
}

// The C locale reads digits, signs, a decimal point, an exponent and the words for infinity and
// not-a-number, nothing else: a text with any other character ("n/a", a counter name) is no number,
// and the locale's costly reader need not be asked.
bool mayBeNumber(QStringView text)
{
    static constexpr char16_t numberCharacters[] = u"0123456789+-.eEinfINFtyTYaA";
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return std::char_traits<char16_t>::find(numberCharacters, std::size(numberCharacters) - 1, c.unicode());
    });
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
    // The averages of a digest read every cell of the table, most of them short or empty: the
    // text is trimmed as a view and the locale set up once.
    const QStringView trimmed = TextRules::trimmedView(text);
    if (trimmed.isEmpty())
        return std::nullopt;
    if (const auto plain = readPlainDecimal(trimmed))
        return plain;
    if (!mayBeNumber(trimmed))
        return std::nullopt;
    static const QLocale c = [] {
        QLocale locale = QLocale::c();
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        return locale;
    }();
    bool ok = false;
    const double value = c.toDouble(trimmed, &ok);
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
