#include "translate/apertiumstream.h"

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

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The length of the placeholder tag (<x1>, </x1>, <x1/>, up to nine digits) at from, or 0
// when none starts there. Read by hand: a pattern match checks the whole text each time,
// which made a long text with many < quadratic.
qsizetype placeholderAt(QStringView text, qsizetype from) {
    const qsizetype size = text.size();
    qsizetype i = from + 1;
    if (from >= size || text.at(from) != QLatin1Char('<'))
        return 0;
    const bool closing = i < size && text.at(i) == QLatin1Char('/');
    if (closing)
        ++i;
    if (i >= size || text.at(i) != QLatin1Char('x'))
        return 0;
    const qsizetype digits = ++i;
    while (i < size && i - digits < 10 && isDigit(text.at(i)))
        ++i;
    if (i == digits || i - digits > 9)
        return 0;
    const bool empty = i < size && text.at(i) == QLatin1Char('/');
    if (empty)
        ++i;
    if (i >= size || text.at(i) != QLatin1Char('>') || (closing && empty))
        return 0;
    return i + 1 - from;
}

// The character an entity at from stands for, and its length; length 0 when the & is a
// character of its own.
struct Entity {
    char32_t code = 0;
    qsizetype length = 0;
};

Entity entityAt(const QString &text, qsizetype from) {
    // Only the next few characters: a long text of lone & must not be read to its end each
    // time.
    const qsizetype near = QStringView(text).mid(from, 13).indexOf(QLatin1Char(';'));
    if (near < 0)
        return {};
    const qsizetype end = from + near;
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
    if (QChar::requiresSurrogates(code)) {
        stream += QChar(QChar::highSurrogate(code));
        stream += QChar(QChar::lowSurrogate(code));
    } else if (QChar::isSurrogate(code)) {
        // A lone half of a pair is no character.
        stream += QChar(QChar::ReplacementCharacter);
    } else {
        stream += QChar(char16_t(code));
    }
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

// ASCII characters that the writer (Writes) or the reader (Reads) must look at; every other
// character is copied as it is, a run at a time. A table keeps the work per character small
// on long texts.
struct Specials {
    bool ascii[128] = {};
    constexpr explicit Specials(const char *chars, bool nul) {
        for (; *chars; ++chars)
            ascii[int(*chars)] = true;
        ascii[0] = nul;
    }
};
constexpr Specials Writes("\\[]{}^$@/<>~\n\r\t&", true);
constexpr Specials Reads("\\[]^$@/&<>\"", true);

// Where the run of characters from from that need no look ends. The writer looks at every
// half of a surrogate pair, the reader at none.
qsizetype plainEnd(QStringView text, qsizetype from, const Specials &specials, bool surrogates) {
    qsizetype i = from;
    for (; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < 128 ? specials.ascii[u] : surrogates && QChar::isSurrogate(u))
            break;
    }
    return i;
}

} // namespace

QString ApertiumStream::fromFragment(const QString &fragment) {
    QString stream;
    stream.reserve(fragment.size() + fragment.size() / 8 + 8);
    qsizetype i = 0;
    while (i < fragment.size()) {
        if (const qsizetype end = plainEnd(fragment, i, Writes, true); end > i) {
            stream += QStringView(fragment).mid(i, end - i);
            i = end;
            continue;
        }
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
        if (const qsizetype end = plainEnd(stream, i, Reads, false); end > i) {
            fragment += QStringView(stream).mid(i, end - i);
            i = end;
            continue;
        }
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
