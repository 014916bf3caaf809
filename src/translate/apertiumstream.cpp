#include "translate/apertiumstream.h"

#include <QRegularExpression>

namespace {

bool isReserved(QChar c) {
    switch (c.unicode()) {
    case '\\':
    case '[':
    case ']':
    case '{':
    case '}':
    case '^':
    case '$':
    case '@':
    case '/':
    case '<':
    case '>':
        return true;
    default:
        return false;
    }
}

// Apertium takes these for format; a superblank keeps them where they were.
bool isFormat(QChar c) {
    return c == QLatin1Char('~') || c == QLatin1Char('\n') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\t');
}

const QRegularExpression &placeholderPattern() {
    static const QRegularExpression pattern(QStringLiteral("<(/?)x([0-9]{1,9})(/?)>"));
    return pattern;
}

// The length of the placeholder tag at from, or 0 when none starts there.
qsizetype placeholderAt(const QString &text, qsizetype from) {
    const QRegularExpressionMatch match = placeholderPattern().match(
        text, from, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    if (!match.hasMatch() || (match.capturedLength(1) > 0 && match.capturedLength(3) > 0))
        return 0;
    return match.capturedLength(0);
}

// The character an entity at from stands for, and its length; length 0 when the & is a
// character of its own.
struct Entity {
    char32_t code = 0;
    qsizetype length = 0;
};

Entity entityAt(const QString &text, qsizetype from) {
    const qsizetype end = text.indexOf(QLatin1Char(';'), from);
    if (end < 0 || end - from > 12)
        return {};
    const QStringView name = QStringView(text).mid(from + 1, end - from - 1);
    const qsizetype length = end - from + 1;
    static const struct {
        const char *name;
        char32_t code;
    } Named[] = {{"amp", '&'},  {"lt", '<'},    {"gt", '>'},
                 {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}};
    for (const auto &named : Named) {
        if (name == QLatin1String(named.name))
            return {named.code, length};
    }
    if (name.size() < 2 || name.front() != QLatin1Char('#'))
        return {};
    bool ok = false;
    const uint code = (name.at(1) == QLatin1Char('x') || name.at(1) == QLatin1Char('X'))
                          ? name.mid(2).toUInt(&ok, 16)
                          : name.mid(1).toUInt(&ok, 10);
    // NUL ends a block in the pipeline; surrogates and values past Unicode are no characters.
    if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {char32_t(code), length};
}

void appendText(QString &stream, char32_t code) {
    if (code == 0)
        return;
    if (code < 0x10000) {
        const QChar c{char16_t(code)};
        if (isFormat(c)) {
            stream += QLatin1Char('[') + c + QLatin1Char(']');
            return;
        }
        if (isReserved(c))
            stream += QLatin1Char('\\');
    }
    stream += QString::fromUcs4(&code, 1);
}

void appendEscapedHtml(QString &fragment, QChar c) {
    switch (c.unicode()) {
    case '&':
        fragment += QLatin1String("&amp;");
        break;
    case '<':
        fragment += QLatin1String("&lt;");
        break;
    case '>':
        fragment += QLatin1String("&gt;");
        break;
    case '"':
        fragment += QLatin1String("&quot;");
        break;
    case 0:
        break;
    default:
        fragment += c;
    }
}

// Undoes the escapes of a superblank's inside.
QString unescaped(QStringView text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\\') && ++i == text.size())
            break;
        plain += text.at(i);
    }
    return plain;
}

// A superblank's inside: its placeholder tags as they are, everything else as text.
void appendBlank(QString &fragment, QStringView inside) {
    const QString plain = unescaped(inside);
    qsizetype i = 0;
    while (i < plain.size()) {
        const qsizetype tag =
            plain.at(i) == QLatin1Char('<') ? placeholderAt(plain, i) : qsizetype(0);
        if (tag > 0) {
            fragment += QStringView(plain).mid(i, tag);
            i += tag;
        } else {
            appendEscapedHtml(fragment, plain.at(i));
            ++i;
        }
    }
}

// Where the first unescaped closer at or after from starts, or -1.
qsizetype unescapedIndex(const QString &stream, qsizetype from, QLatin1String closer) {
    qsizetype i = from;
    while (i < stream.size()) {
        if (stream.at(i) == QLatin1Char('\\')) {
            i += 2;
            continue;
        }
        if (QStringView(stream).mid(i).startsWith(closer))
            return i;
        ++i;
    }
    return -1;
}

} // namespace

QString ApertiumStream::fromFragment(const QString &fragment) {
    QString stream;
    stream.reserve(fragment.size() + fragment.size() / 8 + 8);
    qsizetype i = 0;
    while (i < fragment.size()) {
        const QChar c = fragment.at(i);
        if (c == QLatin1Char('<')) {
            if (const qsizetype tag = placeholderAt(fragment, i)) {
                stream += QLatin1Char('[');
                for (const QChar t : QStringView(fragment).mid(i, tag)) {
                    if (t == QLatin1Char('/'))
                        stream += QLatin1Char('\\');
                    stream += t;
                }
                stream += QLatin1Char(']');
                i += tag;
                continue;
            }
        } else if (c == QLatin1Char('&')) {
            if (const Entity entity = entityAt(fragment, i); entity.length > 0) {
                appendText(stream, entity.code);
                i += entity.length;
                continue;
            }
        } else if (c.isHighSurrogate() && i + 1 < fragment.size() &&
                   fragment.at(i + 1).isLowSurrogate()) {
            stream += QStringView(fragment).mid(i, 2);
            i += 2;
            continue;
        }
        appendText(stream, c.unicode());
        ++i;
    }
    return stream;
}

QString ApertiumStream::toFragment(const QString &stream) {
    QString fragment;
    fragment.reserve(stream.size() + stream.size() / 8);
    bool inUnit = false;
    qsizetype i = 0;
    while (i < stream.size()) {
        const QChar c = stream.at(i);
        switch (c.unicode()) {
        case '\\':
            if (i + 1 < stream.size())
                appendEscapedHtml(fragment, stream.at(i + 1));
            i += 2;
            break;
        case '[': {
            // A word-bound blank [[...]] carries no text of the block.
            const bool wordBound = i + 1 < stream.size() && stream.at(i + 1) == QLatin1Char('[');
            const QLatin1String closer(wordBound ? "]]" : "]");
            const qsizetype insideFrom = i + (wordBound ? 2 : 1);
            const qsizetype end = unescapedIndex(stream, insideFrom, closer);
            const qsizetype insideEnd = end < 0 ? stream.size() : end;
            if (!wordBound)
                appendBlank(fragment, QStringView(stream).mid(insideFrom, insideEnd - insideFrom));
            i = end < 0 ? stream.size() : end + closer.size();
            break;
        }
        case '^':
            // A lexical unit that reached the end: its surface form is up to the first /.
            inUnit = true;
            ++i;
            break;
        case '/':
            if (inUnit) {
                const qsizetype end = unescapedIndex(stream, i + 1, QLatin1String("$"));
                i = end < 0 ? stream.size() : end;
            } else {
                ++i;
            }
            break;
        case '$':
            inUnit = false;
            ++i;
            break;
        case '@':
        case ']':
            // Marks of the pipeline's own, not text: the written text escapes them.
            ++i;
            break;
        default:
            appendEscapedHtml(fragment, c);
            ++i;
        }
    }
    return fragment;
}
