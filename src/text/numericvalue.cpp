#include "numericvalue.h"

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

    // QByteArray::toDouble reads "." whatever the locale. Overflow gives an infinity and
    // underflow a value at or near zero; both are the value the prefix stands for.
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok && !std::isinf(value) && !std::isnan(value) && std::fabs(value) > 1.0)
        return 0.0;
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
