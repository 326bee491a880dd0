#include "decimaldigits.h"

#include <charconv>
#include <cstdlib>

DecimalDigits DecimalDigits::of(double value) {
    DecimalDigits d;
    if (value == 0)
        return d;
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    std::size_t pos = 0;
    if (text[pos] == '-') {
        d.negative = true;
        ++pos;
    }
    const std::size_t e = text.find('e');
    for (std::size_t i = pos; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    d.exponent = std::atoi(text.c_str() + e + 1) + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

void DecimalDigits::roundSignificant(int count) {
    if (static_cast<int>(digits.size()) <= count)
        return;
    if (count < 0) {
        digits.clear();
        return;
    }
    const bool up = digits[count] >= '5';
    digits.resize(count);
    if (up) {
        int i = count - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            ++exponent;
        } else {
            ++digits[i];
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
}

char DecimalDigits::digitAt(int i) const {
    return i >= 0 && i < static_cast<int>(digits.size()) ? digits[i] : '0';
}
