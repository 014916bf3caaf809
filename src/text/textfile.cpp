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
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return Windows1252::decode(bytes);
    // An editor may have put a byte-order mark in front; it is not part of the first line.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
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

WriteResult writeText(const QString &path, const QString &text) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return WriteResult::failure(path,
                                    QStringLiteral("cannot create the folder %1").arg(folder));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteResult::failure(path, file.errorString());
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size())
        return WriteResult::failure(path, file.errorString());
    if (!file.commit())
        return WriteResult::failure(path, file.errorString());
    return WriteResult::success(path);
}

WriteResult writeLines(const QString &path, const QStringList &lines) {
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return writeText(path, text);
}

QString oneLine(QString value) {
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

} // namespace TextFile
