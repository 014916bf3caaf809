#pragma once

#include "writeresult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The line format every file of the program shares: lines end at CR LF (a bare LF is
// accepted), a file that is valid UTF-8 is UTF-8 and any other is Windows-1252, and
// every write is UTF-8 with CR LF that replaces the file atomically.
namespace TextFile {

QString decode(const QByteArray &bytes);
QStringList splitLines(const QString &text);
QStringList decodeLines(const QByteArray &bytes);

// The bytes a write puts into the file.
QByteArray encodeText(const QString &text);
QByteArray encodeLines(const QStringList &lines);

// Nothing when the file cannot be opened.
std::optional<QStringList> readLines(const QString &path);

// Who may read a written file: everyone the system's defaults allow, or its owner alone
// (files that hold private values).
enum class Access { Default, OwnerOnly };

// Creates a missing parent folder first. Each line is ended by CR LF.
WriteResult writeLines(const QString &path, const QStringList &lines,
                       Access access = Access::Default);
// Writes the text as it stands (the caller chose its line ends).
WriteResult writeText(const QString &path, const QString &text);

// A value stored on a line of its own must not break the line format: CR and LF
// become blanks.
QString oneLine(QString value);

} // namespace TextFile
