#include "browser/addressrule.h"

namespace AddressRule {

QString withScheme(const QString &typed) {
    if (typed.isEmpty())
        return typed;
    for (const char *scheme : {"http://", "https://", "ftp://"}) {
        if (typed.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return typed;
    }
    return QStringLiteral("http://") + typed;
}

bool isTooLong(const QString &address) {
    return address.size() > MaxLength;
}

} // namespace AddressRule
