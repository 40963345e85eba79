// Reading the count box: a decimal number from the start of the text, as atof reads one, but
// independent of the C locale and without atof's hexadecimal, "inf" and "nan" forms.
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/editing_run.h"

namespace vantrelle {

namespace {

// Full-width forms of printable ASCII (A3 A1 .. A3 FE) become that ASCII character, the
// ideographic space (A1 A1) a space; other characters are kept whole.
AnsiText foldFullWidth(const AnsiText& text) {
    AnsiText folded;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        if (!(lead & 0x80) || i + 1 >= text.size()) {
            folded += text[i];
            i += 1;
            continue;
        }
        const unsigned char trail = static_cast<unsigned char>(text[i + 1]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            folded += static_cast<char>(trail - 0x80);
        } else if (lead == 0xA1 && trail == 0xA1) {
            folded += ' ';
        } else {
            folded.append(text, i, 2);
        }
        i += 2;
    }
    return folded;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

double readCountValue(const AnsiText& countText) {
    const AnsiText text = foldFullWidth(countText);
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // Mantissa: digits, optionally a point and more digits; at least one digit in all.
    std::string mantissa;
    long long pointShift = 0;  // digits after the point
    while (i < text.size() && isDigit(text[i])) mantissa += text[i++];
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        std::string fraction;
        while (j < text.size() && isDigit(text[j])) fraction += text[j++];
        if (!mantissa.empty() || !fraction.empty()) {
            mantissa += fraction;
            pointShift = static_cast<long long>(fraction.size());
            i = j;
        }
    }
    if (mantissa.empty()) return 0.0;

    // Exponent: taken only when at least one digit follows the 'e' and its sign.
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                if (exponent < 100000000) exponent = exponent * 10 + (text[j] - '0');
                ++j;
            }
            if (negativeExponent) exponent = -exponent;
        }
    }

    const std::size_t firstSignificant = mantissa.find_first_not_of('0');
    if (firstSignificant == std::string::npos) return negative ? -0.0 : 0.0;
    // Decimal exponent of the leading significant digit; decides overflow or underflow.
    const long long magnitude =
        static_cast<long long>(mantissa.size() - firstSignificant) - 1 - pointShift + exponent;
    double value = 0.0;
    if (magnitude > DBL_MAX_10_EXP) {
        value = DBL_MAX;  // a decimal text is never infinite: beyond the range it saturates
    } else if (magnitude < DBL_MIN_10_EXP - DBL_DIG - 2) {
        value = 0.0;
    } else {
        const std::string digits = mantissa.substr(firstSignificant);
        const std::string normal = digits + "e" + std::to_string(exponent - pointShift);
        const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
        if (result.ec == std::errc::result_out_of_range) value = magnitude > 0 ? DBL_MAX : 0.0;
    }
    return negative ? -value : value;
}

std::int32_t toItemCount(double value) {
    if (!std::isfinite(value)) return 0;
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

}  // namespace vantrelle
