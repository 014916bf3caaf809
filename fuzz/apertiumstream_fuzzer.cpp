#include "translate/apertiumstream.h"

#include <QRegularExpression>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "apertiumstream fuzzer: %s\n", what);
        std::abort();
    }
}

QStringList placeholders(const QString &fragment) {
    static const QRegularExpression tag(QStringLiteral("<(/?)x([0-9]{1,9})(/?)>"));
    QStringList tags;
    for (const QRegularExpressionMatch &match : tag.globalMatch(fragment)) {
        if (match.capturedLength(1) == 0 || match.capturedLength(3) == 0)
            tags.append(match.captured(0));
    }
    return tags;
}

// The page puts a fragment back into its DOM: it must hold no markup but placeholders and
// no & but the four entities.
bool wellFormed(const QString &fragment) {
    static const QRegularExpression stray(
        QStringLiteral("<(?!/?x[0-9]{1,9}/?>)|&(?!amp;|lt;|gt;|quot;)|\"|\\x00"));
    return !stray.match(fragment).hasMatch();
}

} // namespace

// The bytes are once a block from a page and once what a pipeline answered.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    const QString read = ApertiumStream::toFragment(input);
    require(wellFormed(read), "the reader gave a broken fragment");

    const QString stream = ApertiumStream::fromFragment(input);
    require(!stream.contains(QChar(0)), "a NUL in the stream would end the block early");
    const QString back = ApertiumStream::toFragment(stream);
    require(wellFormed(back), "a round trip gave a broken fragment");
    require(placeholders(back) == placeholders(input), "a placeholder was lost or made");
    require(ApertiumStream::toFragment(ApertiumStream::fromFragment(back)) == back,
            "a second round trip changed the block");
    return 0;
}
