#include "bookmarkexport.h"

#include "text/textfile.h"

#include <QDate>
#include <QDateTime>
#include <algorithm>

namespace {

// The heading every browser writes and checks for.
const char Header[] = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                      "<!-- This is an automatically generated file.\n"
                      "     It will be read and overwritten.\n"
                      "     DO NOT EDIT! -->\n"
                      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                      "<TITLE>Bookmarks</TITLE>\n"
                      "<H1>Bookmarks</H1>\n"
                      "<DL><p>\n";

QString dateAttribute(const QString &date) {
    const QString seconds = BookmarkExport::addDate(date);
    return seconds.isEmpty() ? QString()
                             : QStringLiteral(" ADD_DATE=\"") + seconds + QLatin1Char('"');
}

void appendGroup(QString &out, const QString &title, const QList<LinkEntry> &links) {
    out += QStringLiteral("    <DT><H3>") + BookmarkExport::escaped(title) +
           QStringLiteral("</H3>\n    <DL><p>\n");
    for (const LinkEntry &link : links) {
        if (link.isBlank() || link.address.isEmpty())
            continue;
        out += QStringLiteral("        <DT><A HREF=\"") + BookmarkExport::escaped(link.address) +
               QLatin1Char('"') + dateAttribute(link.dateAdded) + QLatin1Char('>') +
               BookmarkExport::escaped(link.name) + QStringLiteral("</A>\n");
        if (!link.freeText.isEmpty())
            out += QStringLiteral("        <DD>") + BookmarkExport::escaped(link.freeText) +
                   QLatin1Char('\n');
    }
    out += QStringLiteral("    </DL><p>\n");
}

} // namespace

QString BookmarkExport::text(const LinkGroupStore &store, const LinkTitles &titles, int groups) {
    QString out = QString::fromLatin1(Header);
    for (int group = 0; group < groups; ++group) {
        const QList<LinkEntry> links = store.read(group, titles.count(group + 1));
        if (std::any_of(links.begin(), links.end(),
                        [](const LinkEntry &link) { return !link.address.isEmpty(); }))
            appendGroup(out, titles.title(group + 1), links);
    }
    out += QStringLiteral("</DL><p>\n");
    return out;
}

WriteResult BookmarkExport::write(const QString &path, const LinkGroupStore &store,
                                  const LinkTitles &titles, int groups) {
    return TextFile::writeText(path, text(store, titles, groups));
}

QString BookmarkExport::escaped(const QString &text) {
    return text.toHtmlEscaped();
}

QString BookmarkExport::addDate(const QString &date) {
    const QDate day = QDate::fromString(date, QStringLiteral("yyyy-MM-dd"));
    if (!day.isValid())
        return {};
    return QString::number(day.startOfDay().toSecsSinceEpoch());
}
