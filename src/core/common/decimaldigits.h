#pragma once

#include <string>

// A finite double as its shortest decimal: value = sign 0.d1d2d3... x 10^exponent.
struct DecimalDigits {
    bool negative = false;
    std::string digits; // no leading zero; empty for zero
    int exponent = 0;

    static DecimalDigits of(double value);
    // Keeps at most `count` significant digits, rounding half away from zero.
    void roundSignificant(int count);
    // Keeps the digits down to 10^-decimals, rounding half away from zero.
    void roundDecimals(int decimals) { roundSignificant(exponent + decimals); }
    bool isZero() const { return digits.empty(); }
    // The digit of weight 10^(exponent - 1 - i), '0' outside the stored digits.
    char digitAt(int i) const;
};
