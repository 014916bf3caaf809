#include "text/numericvalue.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace {

void require(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "numbers fuzzer: %s\n", what);
        std::abort();
    }
}

// Only what the rounding rule promises: within a half, halves to the even neighbour, and a
// result whenever the value lies inside the type's range.
template <typename Int> void checkRounding(double value, std::optional<Int> rounded) {
    if (rounded) {
        require(std::isfinite(value), "a rounded infinity or NaN");
        const double distance = std::fabs(double(*rounded) - value);
        require(distance <= 0.5, "rounded more than a half away");
        if (distance == 0.5)
            require(*rounded % 2 == 0, "a half not rounded to even");
    } else if (std::isfinite(value)) {
        require(value < double(std::numeric_limits<Int>::min()) ||
                    value > double(std::numeric_limits<Int>::max()),
                "no result for a value inside the range");
    }
}

void exercise(double value) {
    checkRounding(value, NumericValue::roundToInt16(value));
    checkRounding(value, NumericValue::roundToInt32(value));
    const QString text = NumericValue::format(value);
    if (std::isfinite(value)) {
        require(!text.isEmpty(), "an empty number");
        require(!text.contains(QLatin1Char('e'), Qt::CaseInsensitive), "a number with exponent");
    }
    NumericValue::of(text);
}

// A decimal of at most 15 integer and 6 fraction digits, shaped by the input.
std::string decimalFrom(const uint8_t *data, size_t size) {
    const uint8_t shape = data[0];
    const int integerDigits = (shape >> 3) & 15;
    const int fractionDigits = (shape & 7) % 7;
    size_t next = 1;
    auto digit = [&] { return char('0' + (next < size ? data[next++] % 10 : 0)); };

    std::string text = (shape & 0x80) ? "-" : "";
    for (int i = 0; i < integerDigits; ++i)
        text += digit();
    if (integerDigits == 0)
        text += '0';
    if (fractionDigits > 0) {
        text += '.';
        for (int i = 0; i < fractionDigits; ++i)
            text += digit();
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // Any text, as a line of one of the program's files.
    exercise(NumericValue::of(
        QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size))));
    exercise(
        NumericValue::of(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size))));

    // Any double, NaN, infinities and subnormals included, as the windows may report.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        exercise(value);
    }

    // The promise the settings file relies on: a value of at most six decimals and below
    // 1e15 is written so that it reads back as the same double.
    if (size >= 1) {
        const std::string decimal = decimalFrom(data, size);
        const double value = std::strtod(decimal.c_str(), nullptr);
        require(NumericValue::of(QString::fromLatin1(decimal.c_str())) == value,
                "a plain decimal not read as the nearest double");
        require(NumericValue::of(NumericValue::format(value)) == value,
                "a six-decimal value does not survive format and read");
    }
    return 0;
}
