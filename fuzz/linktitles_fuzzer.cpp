#include "linktable/linktitles.h"
#include "text/textfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what, int entry) {
    if (!ok) {
        std::fprintf(stderr, "linktitles fuzzer: %s (entry %d)\n", what, entry);
        std::abort();
    }
}

} // namespace

// Titles are typed by the user and may hold commas; the file's last comma ends the title,
// so whatever was read must be written so that it reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QStringList lines = TextFile::decodeLines(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    LinkTitles titles{QString()};
    titles.parse(lines);

    for (int entry = 0; entry <= LinkTitles::Capacity + 1; ++entry) {
        const int count = titles.count(entry);
        require(count >= 0 && count <= LinkTitles::MaxCount, "count out of range", entry);
        if (entry < 1 || entry > LinkTitles::Capacity)
            require(count == 0 && titles.title(entry).isEmpty(), "an entry outside 1..160", entry);
    }

    const QStringList written = titles.lines();
    require(written.size() == LinkTitles::WrittenEntries, "not 150 lines written", 0);
    LinkTitles again{QString()};
    again.parse(written);
    for (int entry = 1; entry <= LinkTitles::WrittenEntries; ++entry) {
        // Line breaks in a title become blanks on the way out; nothing else may change.
        require(again.title(entry) == TextFile::oneLine(titles.title(entry)),
                "title changed on a round trip", entry);
        require(again.count(entry) == titles.count(entry), "count changed on a round trip", entry);
    }
    return 0;
}
