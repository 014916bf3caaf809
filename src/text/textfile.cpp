#include "textfile.h"

#include "windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace TextFile {

QString decode(const QByteArray &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoder drops a byte-order mark that an editor put in front.
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return Windows1252::decode(bytes);
    return text;
}

QStringList splitLines(const QString &text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0) {
            lines.append(text.mid(start));
            break;
        }
        qsizetype lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == QLatin1Char('\r'))
            --lineEnd;
        lines.append(text.mid(start, lineEnd - start));
        start = end + 1;
    }
    return lines;
}

QStringList decodeLines(const QByteArray &bytes) {
    return splitLines(decode(bytes));
}

std::optional<QStringList> readLines(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeLines(file.readAll());
}

QByteArray encodeText(const QString &text) {
    QByteArray bytes = text.toUtf8();
    // The reader drops one byte-order mark at the start; text that begins with that
    // character itself keeps it by writing one more.
    if (text.startsWith(QChar(0xFEFF)))
        bytes.prepend("\xef\xbb\xbf");
    return bytes;
}

QByteArray encodeLines(const QStringList &lines) {
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return encodeText(text);
}

namespace {

WriteResult writeBytes(const QString &path, const QByteArray &bytes,
                       Access access = Access::Default) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return WriteResult::failure(path,
                                    QStringLiteral("cannot create the folder %1").arg(folder));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteResult::failure(path, file.errorString());
    // Set on the new file before it replaces the old one, so the text is never readable
    // by others, not even for a moment, and an older file's wider rights go with it.
    if (access == Access::OwnerOnly &&
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return WriteResult::failure(path, file.errorString());
    if (file.write(bytes) != bytes.size())
        return WriteResult::failure(path, file.errorString());
    if (!file.commit())
        return WriteResult::failure(path, file.errorString());
    return WriteResult::success(path);
}

} // namespace

WriteResult writeText(const QString &path, const QString &text) {
    return writeBytes(path, encodeText(text));
}

WriteResult writeLines(const QString &path, const QStringList &lines, Access access) {
    return writeBytes(path, encodeLines(lines), access);
}

QString oneLine(QString value) {
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

} // namespace TextFile
