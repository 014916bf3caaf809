#pragma once

#include "text/writeresult.h"

#include <QString>
#include <optional>

// Data/QuortBook.bm: the one bookmark, a single line.
class BookmarkFile {
public:
    explicit BookmarkFile(QString path);

    // The first line; nothing when the file is missing or holds no line at all.
    std::optional<QString> read() const;
    // Save_BookMark: replaces the file with the address (an empty line when empty).
    WriteResult save(const QString &address) const;

private:
    QString m_path;
};
