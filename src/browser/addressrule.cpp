#include "browser/addressrule.h"

namespace AddressRule {

namespace {

// Letter case is ignored in ASCII only: Unicode folding would take "httpſ://" (long s)
// for "https://", and the page would be asked for under a scheme that does not exist.
bool startsWithAscii(const QString &text, const char *prefix) {
    qsizetype i = 0;
    for (; prefix[i]; ++i) {
        if (i >= text.size())
            return false;
        char16_t c = text[i].unicode();
        if (c >= 'A' && c <= 'Z')
            c = c - 'A' + 'a';
        if (c != char16_t(prefix[i]))
            return false;
    }
    return true;
}

} // namespace

QString withScheme(const QString &typed) {
    if (typed.isEmpty())
        return typed;
    for (const char *scheme : {"http://", "https://", "ftp://"}) {
        if (startsWithAscii(typed, scheme))
            return typed;
    }
    return QStringLiteral("http://") + typed;
}

bool isTooLong(const QString &address) {
    return address.size() > MaxLength;
}

} // namespace AddressRule
