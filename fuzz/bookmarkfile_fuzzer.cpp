#include "linktable/bookmarkexport.h"
#include "linktable/bookmarkfile.h"
#include "linktable/linkgroupfile.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "bookmarkfile fuzzer: %s\n", what);
        std::abort();
    }
}

bool breaksALine(const QString &text) {
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

} // namespace

// Input: a bookmark file as the import reads it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const BookmarkFile::Parsed parsed = BookmarkFile::parse(bytes);
    require(parsed.error == BookmarkFile::Error::None || parsed.links.isEmpty(),
            "a file refused still gave links");
    for (const BookmarkLink &link : parsed.links) {
        require(BookmarkFile::isWebAddress(link.address), "a link that is no web address");
        require(!breaksALine(link.title) && !breaksALine(link.note) && !breaksALine(link.folder),
                "a field holds a line break");
        require(link.date.isEmpty() || link.date.size() == 10, "a date not YYYY-MM-DD");
        // What the link table writes of a link must read back as it was written.
        const LinkEntry entry{link.title, link.address, link.note, {}, link.address, link.date};
        require(LinkGroupFile::parse({LinkGroupFile::line(entry)}, 1).size() == 1,
                "a link's line did not read back");
        // The text the export writes of a title must not open a tag.
        require(!BookmarkExport::escaped(link.title).contains(QLatin1Char('<')),
                "an escaped title holds a tag");
    }
    return 0;
}
