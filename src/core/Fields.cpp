// Fields.cpp: leading-number reading shared by records and shape strings.
#include "Fields.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>
#include <limits>

namespace Fields {

namespace {
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
} // namespace

double leadingNumberAt(QStringView text, qsizetype pos, qsizetype* end)
{
    if (end)
        *end = pos;
    if (pos < 0 || pos >= text.size())
        return 0.0;
    qsizetype i = pos;
    bool negative = false;
    if (text[i] == u'-' || text[i] == u'+') {
        negative = text[i] == u'-';
        ++i;
    }
    const qsizetype digitsStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    bool any = i > digitsStart;
    if (i < text.size() && text[i] == u'.') {
        qsizetype j = i + 1;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        if (any || j > i + 1) {
            any = true;
            i = j;
        }
    }
    if (!any)
        return 0.0;
    if (end)
        *end = i;
    // Exact decimal conversion (66.67 must read as the nearest double to 66.67), independent of
    // the process locale.
    std::string ascii;
    ascii.reserve(static_cast<size_t>(i - digitsStart));
    for (qsizetype k = digitsStart; k < i; ++k)
        ascii.push_back(static_cast<char>(text[k].unicode()));
    double value = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        // Overflow only when the whole part has a non-zero digit; otherwise it is an underflow.
        value = ascii.substr(0, ascii.find('.')).find_first_not_of('0') == std::string::npos
            ? 0.0
            : std::numeric_limits<double>::max();
    if (std::isinf(value))
        value = std::numeric_limits<double>::max();
    return negative ? -value : value;
}

double leadingNumber(QStringView text) { return leadingNumberAt(text, 0); }

double fieldValue(QStringView record, QChar letter)
{
    const qsizetype at = record.indexOf(letter);
    if (at < 0)
        return 0.0;
    return leadingNumberAt(record, at + 1);
}

int toInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<int>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

int fieldInt(QStringView record, QChar letter) { return toInt(fieldValue(record, letter)); }

} // namespace Fields
