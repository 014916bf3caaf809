#include "linkgroupfile.h"

#include "text/textfile.h"

const QString LinkGroupFile::FieldSeparator = QStringLiteral(";-;");

std::optional<QList<LinkEntry>> LinkGroupFile::read(const QString &path, int count) {
    const auto lines = TextFile::readLines(path);
    if (!lines)
        return std::nullopt;
    return parse(*lines, count);
}

QList<LinkEntry> LinkGroupFile::parse(const QStringList &lines, int count) {
    QList<LinkEntry> entries;
    entries.reserve(count);
    for (int r = 0; r < count; ++r) {
        if (r >= lines.size()) {
            entries.append(LinkEntry());
            continue;
        }
        const QStringList f = lines[r].split(FieldSeparator);
        entries.append({f.value(0), f.value(1), f.value(2), f.value(3), f.value(4), f.value(5)});
    }
    return entries;
}

QString LinkGroupFile::storedField(QString field) {
    field = TextFile::oneLine(std::move(field));
    // One pass can make a new separator out of a following "-;", so repeat until none is left.
    while (field.contains(FieldSeparator))
        field.replace(FieldSeparator, QStringLiteral(";- ;"));
    // A field ending in ";-" would make a separator with the ";-;" after it.
    if (field.endsWith(QLatin1String(";-")))
        field.append(QLatin1Char(' '));
    return field;
}

QString LinkGroupFile::line(const LinkEntry &e) {
    return QStringList{storedField(e.name),         storedField(e.address),
                       storedField(e.freeText),     storedField(e.privateText),
                       storedField(e.shownAddress), storedField(e.dateAdded)}
        .join(FieldSeparator);
}

WriteResult LinkGroupFile::write(const QString &path, const QList<LinkEntry> &entries) {
    QStringList lines;
    lines.reserve(entries.size());
    for (const LinkEntry &entry : entries)
        lines.append(line(entry));
    return TextFile::writeLines(path, lines, TextFile::Access::OwnerOnly);
}
