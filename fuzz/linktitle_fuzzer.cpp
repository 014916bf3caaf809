#include "linktable/linktitles.h"
#include "text/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

void require(bool ok, const char *what, int entry) {
    if (!ok) {
        std::fprintf(stderr, "linktitle fuzzer: %s (entry %d)\n", what, entry);
        std::abort();
    }
}

// What a title comes back as after a save and a read: the writer makes CR and LF blanks
// so the title keeps to its line, and the reader trims the line, which drops the title's
// leading blanks (its trailing ones are kept by the count after them).
QString readBackTitle(const QString &title) {
    const QString line = TextFile::oneLine(title);
    qsizetype start = 0;
    while (start < line.size() && line[start].isSpace())
        ++start;
    return line.mid(start);
}

// Each run saves the file once; a memory-backed folder keeps the disk out of the speed.
const QString &titlesPath() {
    static const QFileInfo shm(QStringLiteral("/dev/shm"));
    static QTemporaryDir dir((shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath()) +
                             QStringLiteral("/quorttrans-fuzz-XXXXXX"));
    static const QString path = dir.filePath(QStringLiteral("Links/Links.Bok"));
    return path;
}

// The titles as a missing file gives them, made once.
const LinkTitles &defaultTitles() {
    static const LinkTitles titles = [] {
        LinkTitles made(titlesPath());
        QFile::remove(titlesPath());
        require(made.read(QStringLiteral("Group")).ok, "cannot create the titles file", 0);
        return made;
    }();
    return titles;
}

} // namespace

// The link table's title edit: any text typed as a group's title, and any count, for any
// entry. Saved and read again, every title must stay on its one line and come back as the
// writer promises, and every count as it was.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider input(data, size);
    LinkTitles titles = defaultTitles();

    const int edits = input.ConsumeIntegralInRange<int>(0, 40);
    for (int i = 0; i < edits && input.remaining_bytes() > 0; ++i) {
        // Entries a little outside 1..160 too: setting those must do nothing.
        const int entry = input.ConsumeIntegralInRange<int>(-1, LinkTitles::Capacity + 2);
        if (input.ConsumeBool()) {
            const std::string text = input.ConsumeRandomLengthString(512);
            titles.setTitle(entry, QString::fromUtf8(text.data(), qsizetype(text.size())));
        } else {
            titles.setCount(entry, input.ConsumeIntegral<int>());
        }
    }
    for (int entry : {-1, 0, LinkTitles::Capacity + 1, LinkTitles::Capacity + 2})
        require(titles.title(entry).isEmpty() && titles.count(entry) == 0,
                "an entry outside 1..160 took a value", entry);

    require(titles.save().ok, "cannot save the titles", 0);
    const std::optional<QStringList> lines = TextFile::readLines(titlesPath());
    require(lines && lines->size() == LinkTitles::WrittenEntries, "a title broke the file's lines",
            0);

    LinkTitles back(titlesPath());
    require(back.read(QStringLiteral("x")).ok, "cannot read the titles back", 0);
    for (int entry = 1; entry <= LinkTitles::Capacity; ++entry) {
        if (entry > LinkTitles::WrittenEntries) {
            require(back.title(entry).isEmpty() && back.count(entry) == 0,
                    "an entry past 150 came from the file", entry);
            continue;
        }
        require(back.title(entry) == readBackTitle(titles.title(entry)),
                "a title changed on its way through the file", entry);
        require(back.count(entry) == titles.count(entry), "a count changed on its way", entry);
    }
    return 0;
}
