#include "browser/addressrule.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "address fuzzer: %s\n", what);
        std::abort();
    }
}

// A scheme is ASCII, whatever the letter case; a page would not load under any other
// spelling of it.
bool startsWithScheme(const QString &text) {
    for (const char *scheme : {"http://", "https://", "ftp://"}) {
        const QLatin1String s(scheme);
        if (text.size() < s.size())
            continue;
        bool same = true;
        for (qsizetype i = 0; i < s.size() && same; ++i) {
            const char16_t c = text[i].unicode();
            const char16_t lower = c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
            same = lower == char16_t(s[i].unicode());
        }
        if (same)
            return true;
    }
    return false;
}

} // namespace

// Whatever is typed into the address bar, the page asked for starts with a scheme a page
// loads under, and the rule changes an address once at most.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    // Text from the keyboard or the clipboard is any UTF-16, unpaired surrogates too; the
    // first byte picks how the rest becomes text.
    const char *rest = reinterpret_cast<const char *>(data + 1);
    QString typed;
    if (data[0] & 1) {
        typed = QString::fromUtf8(rest, qsizetype(size - 1));
    } else {
        typed.resize(qsizetype((size - 1) / 2));
        std::memcpy(typed.data(), rest, size_t(typed.size()) * sizeof(QChar));
    }

    const QString address = AddressRule::withScheme(typed);
    if (typed.isEmpty()) {
        require(address.isEmpty(), "empty text became an address");
        return 0;
    }
    require(startsWithScheme(address), "the address has no http://, https:// or ftp://");
    if (startsWithScheme(typed))
        require(address == typed, "an address with a scheme was changed");
    else
        require(address == QStringLiteral("http://") + typed, "not http:// and the text");
    require(AddressRule::withScheme(address) == address, "the rule changed its own result");
    // Adding the scheme never makes a refused text acceptable.
    require(!AddressRule::isTooLong(typed) || AddressRule::isTooLong(address),
            "a too long text became an acceptable address");
    return 0;
}
