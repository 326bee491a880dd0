#include "core/common/decimaldigits.h"

#include <charconv>
#include <cstdlib>

DecimalDigits DecimalDigits::of(double value) {
    DecimalDigits d;
    if (value == 0)
        return d;
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::scientific);
    *result.ptr = '\0';
    const char* c = buffer;
    if (*c == '-') {
        d.negative = true;
        ++c;
    }
    for (; *c != 'e'; ++c)
        if (*c != '.')
            d.digits += *c;
    d.exponent = std::atoi(c + 1) + 1;
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
