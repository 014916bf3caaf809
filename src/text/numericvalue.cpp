#include "numericvalue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

template <typename Int> std::optional<Int> roundTo(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    // The default rounding mode sends halves to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (rounded < double(std::numeric_limits<Int>::min()) ||
        rounded > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

namespace NumericValue {

double of(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;

    QByteArray number;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        number.append(char(text[i++].unicode()));
    bool anyDigit = false;
    while (i < n && isDigit(text[i])) {
        number.append(char(text[i++].unicode()));
        anyDigit = true;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        number.append('.');
        ++i;
        while (i < n && isDigit(text[i])) {
            number.append(char(text[i++].unicode()));
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;

    // from_chars reads "." whatever the locale the desktop set.
    const char *first = number.constData();
    const char *last = first + number.size();
    const bool negative = *first == '-';
    if (*first == '+')
        ++first;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range) {
        // Too large is infinite; too small to tell from zero is zero.
        const bool large = std::any_of(first, std::find(first, last, '.'),
                                       [](char c) { return c >= '1' && c <= '9'; });
        if (!large)
            return 0.0;
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    return value;
}

std::optional<qint16> roundToInt16(double value) {
    return roundTo<qint16>(value);
}
std::optional<qint32> roundToInt32(double value) {
    return roundTo<qint32>(value);
}

QString format(double value) {
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    QString text = QString::number(value, 'f', 6);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace NumericValue
