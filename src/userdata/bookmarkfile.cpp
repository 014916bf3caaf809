#include "bookmarkfile.h"

#include "text/textfile.h"

BookmarkFile::BookmarkFile(QString path)
    : m_path(std::move(path)) {}

std::optional<QString> BookmarkFile::read() const {
    const auto lines = TextFile::readLines(m_path);
    if (!lines || lines->isEmpty())
        return std::nullopt;
    return lines->first();
}

WriteResult BookmarkFile::save(const QString &address) const {
    return TextFile::writeLines(m_path, {TextFile::oneLine(address)});
}
