#include "text/textfile.h"
#include "userdata/bookmarkfile.h"

#include <QDir>
#include <QTemporaryFile>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "bookmark fuzzer: %s\n", what);
        std::abort();
    }
}

QString tempTemplate() {
    return QDir::tempPath() + QStringLiteral("/quorttrans-fuzz-XXXXXX");
}

} // namespace

// The bookmark is read from and written to a real file, so the fuzzer goes through the
// file too: whatever the file holds, saving what was read and reading it again must give
// the same address, line breaks aside.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QTemporaryFile input(tempTemplate());
    require(input.open(), "cannot create a temporary file");
    require(input.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size),
            "cannot write the temporary file");
    input.close();

    const std::optional<QString> first = BookmarkFile(input.fileName()).read();
    const bool anyLine =
        !TextFile::decodeLines(
             QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)))
             .isEmpty();
    require(first.has_value() == anyLine, "a bookmark read from a file without lines");
    if (!first)
        return 0;

    QTemporaryFile output(tempTemplate());
    require(output.open(), "cannot create a temporary file");
    output.close();
    const BookmarkFile saved(output.fileName());
    require(saved.save(*first).ok, "cannot save the bookmark");
    const std::optional<QString> back = saved.read();
    require(back.has_value(), "the saved bookmark is missing");
    require(*back == TextFile::oneLine(*first), "the bookmark changed on its way through the file");
    return 0;
}
