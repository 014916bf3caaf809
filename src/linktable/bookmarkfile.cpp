#include "bookmarkfile.h"

#include "htmlentities.h"
#include "text/textfile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QUrl>

const QString BookmarkFile::FolderJoin = QStringLiteral(" / ");

namespace {

const QLatin1String DocType("<!DOCTYPE NETSCAPE-Bookmark-file-1");

// What one pass over the file keeps: the folders it is in and the link a <DD> belongs to.
struct ReadState {
    QString text;
    qsizetype pos = 0;
    QStringList folders; // one entry per open <DL>, empty for a list without a heading
    QString heading;     // the last <H3>, named by the next <DL>
    bool headingPending = false;
    bool afterLink = false;
    BookmarkFile::Parsed parsed;
};

QHash<QString, QString> attributesOf(QStringView tag) {
    QHash<QString, QString> attributes;
    qsizetype i = 0;
    while (i < tag.size() && !tag.at(i).isSpace())
        ++i; // the tag's name
    while (i < tag.size()) {
        while (i < tag.size() && tag.at(i).isSpace())
            ++i;
        const qsizetype nameStart = i;
        while (i < tag.size() && !tag.at(i).isSpace() && tag.at(i) != QLatin1Char('='))
            ++i;
        const QString name = tag.mid(nameStart, i - nameStart).toString().toUpper();
        if (i >= tag.size() || tag.at(i) != QLatin1Char('=')) {
            ++i;
            continue;
        }
        ++i;
        const QChar quote = i < tag.size() ? tag.at(i) : QChar();
        const bool quoted = quote == QLatin1Char('"') || quote == QLatin1Char('\'');
        const qsizetype valueStart = quoted ? i + 1 : i;
        qsizetype end = valueStart;
        while (end < tag.size() && (quoted ? tag.at(end) != quote : !tag.at(end).isSpace()))
            ++end;
        attributes.insert(name,
                          HtmlEntities::decode(tag.mid(valueStart, end - valueStart)).trimmed());
        i = end + 1;
    }
    return attributes;
}

// The end of the tag that opens at `lt`, quoted values passed over; -1 when the file ends.
qsizetype tagEnd(const QString &text, qsizetype lt) {
    QChar quote;
    for (qsizetype i = lt + 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            return i;
        }
    }
    return -1;
}

bool broken(ReadState &state, qsizetype at) {
    state.parsed.error = BookmarkFile::Error::Broken;
    state.parsed.where = state.text.mid(at, 60).simplified();
    return false;
}

// The text up to the closing tag `close` after `from`; false when it never closes.
bool textUntil(ReadState &state, qsizetype from, QLatin1String close, QString &text) {
    const qsizetype end = state.text.indexOf(close, from, Qt::CaseInsensitive);
    if (end < 0)
        return broken(state, from);
    text = BookmarkFile::plainText(QStringView(state.text).mid(from, end - from));
    const qsizetype gt = state.text.indexOf(QLatin1Char('>'), end);
    state.pos = gt < 0 ? state.text.size() : gt + 1;
    return true;
}

QString currentFolder(const ReadState &state) {
    QStringList named;
    for (const QString &folder : state.folders) {
        if (!folder.isEmpty())
            named.append(folder);
    }
    return named.join(BookmarkFile::FolderJoin);
}

bool readLink(ReadState &state, QStringView tag, qsizetype afterTag) {
    const QHash<QString, QString> attributes = attributesOf(tag);
    QString title;
    if (!textUntil(state, afterTag, QLatin1String("</A"), title))
        return false;
    const QString address = attributes.value(QStringLiteral("HREF"));
    if (!BookmarkFile::isWebAddress(address)) {
        ++state.parsed.notWeb;
        return true;
    }
    state.parsed.links.append({currentFolder(state), title, address, QString(),
                               BookmarkFile::dateOf(attributes.value(QStringLiteral("ADD_DATE")))});
    state.afterLink = true;
    return true;
}

// One tag at `lt`; false when the file is broken there.
bool readTag(ReadState &state, qsizetype lt) {
    if (QStringView(state.text).mid(lt, 4) == QLatin1String("<!--")) {
        const qsizetype end = state.text.indexOf(QLatin1String("-->"), lt + 4);
        if (end < 0)
            return broken(state, lt);
        state.pos = end + 3;
        return true;
    }
    const qsizetype gt = tagEnd(state.text, lt);
    if (gt < 0)
        return broken(state, lt);
    const QStringView tag = QStringView(state.text).mid(lt + 1, gt - lt - 1);
    qsizetype nameEnd = 0;
    while (nameEnd < tag.size() && !tag.at(nameEnd).isSpace())
        ++nameEnd;
    const QString name = tag.left(nameEnd).toString().toUpper();
    state.pos = gt + 1;
    const bool afterLink = std::exchange(state.afterLink, false);
    if (name == QLatin1String("A"))
        return readLink(state, tag, gt + 1);
    if (name == QLatin1String("H3")) {
        state.headingPending = true;
        return textUntil(state, gt + 1, QLatin1String("</H3"), state.heading);
    }
    if (name == QLatin1String("DL")) {
        state.folders.append(std::exchange(state.headingPending, false) ? state.heading
                                                                        : QString());
    } else if (name == QLatin1String("/DL")) {
        if (!state.folders.isEmpty())
            state.folders.removeLast();
    } else if (name == QLatin1String("DD") && afterLink) {
        const qsizetype next = state.text.indexOf(QLatin1Char('<'), state.pos);
        const qsizetype end = next < 0 ? state.text.size() : next;
        state.parsed.links.last().note =
            BookmarkFile::plainText(QStringView(state.text).mid(state.pos, end - state.pos));
        state.pos = end;
    }
    return true;
}

} // namespace

BookmarkFile::Parsed BookmarkFile::read(const QString &path) {
    Parsed parsed;
    const QFileInfo info(path);
    if (info.isFile() && info.size() > MaxBytes) {
        parsed.error = Error::TooLarge;
        return parsed;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        parsed.error = Error::Unreadable;
        return parsed;
    }
    return parse(file.read(MaxBytes + 1));
}

BookmarkFile::Parsed BookmarkFile::parse(const QByteArray &bytes) {
    ReadState state;
    if (bytes.size() > MaxBytes) {
        state.parsed.error = Error::TooLarge;
        return state.parsed;
    }
    if (bytes.contains('\0')) {
        state.parsed.error = Error::Binary;
        return state.parsed;
    }
    state.text = TextFile::decode(bytes);
    const qsizetype start = state.text.indexOf(QLatin1Char('<'));
    if (start < 0 || !state.text.mid(start).trimmed().startsWith(DocType, Qt::CaseInsensitive) ||
        !state.text.left(start).trimmed().remove(QChar(0xFEFF)).isEmpty()) {
        state.parsed.error = Error::NotBookmarkFile;
        return state.parsed;
    }
    state.pos = start;
    while (true) {
        const qsizetype lt = state.text.indexOf(QLatin1Char('<'), state.pos);
        if (lt < 0)
            break;
        if (!readTag(state, lt)) {
            state.parsed.links.clear();
            break;
        }
    }
    return state.parsed;
}

bool BookmarkFile::isWebAddress(const QString &address) {
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
            scheme == QLatin1String("ftp"));
}

QString BookmarkFile::dateOf(const QString &addDate) {
    bool ok = false;
    qint64 seconds = addDate.toLongLong(&ok);
    if (!ok || seconds <= 0)
        return {};
    if (seconds > 100'000'000'000'000LL)
        seconds /= 1'000'000;
    else if (seconds > 100'000'000'000LL)
        seconds /= 1000;
    const QDate date = QDateTime::fromSecsSinceEpoch(seconds).date();
    return date.isValid() && date.year() <= 9999 ? date.toString(QStringLiteral("yyyy-MM-dd"))
                                                 : QString();
}

QString BookmarkFile::plainText(QStringView html) {
    QString text = HtmlEntities::decode(html);
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return text.simplified();
}
