// SPDX-License-Identifier: GPL-3.0-or-later
// Locale-independent scanning and reading of cell texts.
#include "cestaro/logic/CellText.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace cestaro {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isSign(char c) {
    return c == '+' || c == '-';
}

std::size_t skipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && isBlank(text[at]))
        ++at;
    return at;
}

std::size_t skipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// The longest number at the start of `text` (no blanks, no sign): digits, an optional full stop with
// more digits, and an exponent only when it has at least one digit.
struct Scan {
    std::size_t intBegin = 0, intEnd = 0;   // digits before the stop
    std::size_t fracBegin = 0, fracEnd = 0; // digits after the stop
    std::size_t end = 0;                    // one past the last character read
    bool hasExponent = false;
    std::size_t expBegin = 0; // first exponent digit (after its sign)
    bool negativeExponent = false;

    bool hasDigits() const { return intEnd > intBegin || fracEnd > fracBegin; }
};

Scan scanNumber(std::string_view text) {
    Scan s;
    s.intEnd = skipDigits(text, 0);
    s.end = s.fracBegin = s.fracEnd = s.intEnd;
    if (s.end < text.size() && text[s.end] == '.') {
        s.fracBegin = s.end + 1;
        s.fracEnd = skipDigits(text, s.fracBegin);
        s.end = s.fracEnd;
    }
    if (!s.hasDigits()) {
        s.end = 0;
        return s;
    }
    if (s.end < text.size() && (text[s.end] == 'e' || text[s.end] == 'E')) {
        std::size_t at = s.end + 1;
        const bool signed_ = at < text.size() && isSign(text[at]);
        if (signed_) ++at;
        const std::size_t digitsEnd = skipDigits(text, at);
        if (digitsEnd > at) {
            s.hasExponent = true;
            s.negativeExponent = signed_ && text[at - 1] == '-';
            s.expBegin = at;
            s.end = digitsEnd;
        }
    }
    return s;
}

// Whether a number too far from 1 for a double is huge (true) or tiny (false): the power of ten of its
// leading digit, plus one, is positive exactly when the number is at least 1.
bool isHuge(std::string_view number, const Scan& s) {
    constexpr long long kCap = 1'000'000'000'000LL; // far beyond any double, far below overflow
    long long exponent = 0;
    if (s.hasExponent) {
        for (std::size_t i = s.expBegin; i < s.end && exponent < kCap; ++i)
            exponent = exponent * 10 + (number[i] - '0');
        if (s.negativeExponent) exponent = -exponent;
    }
    std::size_t firstNonZero = s.intBegin;
    while (firstNonZero < s.intEnd && number[firstNonZero] == '0')
        ++firstNonZero;
    long long leading = 0; // digits before the stop, or minus the zeros after it before the first digit
    if (firstNonZero < s.intEnd) {
        leading = static_cast<long long>(s.intEnd - firstNonZero);
    } else {
        std::size_t i = s.fracBegin;
        while (i < s.fracEnd && number[i] == '0')
            ++i;
        leading = -static_cast<long long>(i - s.fracBegin);
    }
    return leading + exponent > 0;
}

} // namespace

bool CellText::isNumber(std::string_view text) {
    std::size_t at = skipBlanks(text, 0);
    if (at < text.size() && isSign(text[at])) ++at;
    const Scan s = scanNumber(text.substr(at));
    if (!s.hasDigits()) return false;
    // An exponent mark left unread ("1e", "1e+") is a stray character, so the text is not a number.
    return skipBlanks(text, at + s.end) == text.size();
}

double CellText::value(std::string_view text) {
    std::size_t at = skipBlanks(text, 0);
    bool negative = false;
    if (at < text.size() && isSign(text[at])) {
        negative = text[at] == '-';
        ++at;
    }
    const std::string_view rest = text.substr(at);
    const Scan s = scanNumber(rest);
    if (!s.hasDigits()) return 0.0;
    const std::string_view number = rest.substr(0, s.end);
    double magnitude = 0.0;
    const std::errc error =
        std::from_chars(number.data(), number.data() + number.size(), magnitude, std::chars_format::general)
            .ec;
    if (error == std::errc::result_out_of_range)
        magnitude = isHuge(number, s) ? std::numeric_limits<double>::infinity() : 0.0;
    else if (error != std::errc())
        magnitude = 0.0;
    return negative ? -magnitude : magnitude;
}

} // namespace cestaro
