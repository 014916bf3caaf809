#include "linktable/linkgroupfile.h"
#include "linktable/linkgroupstore.h"
#include "linktable/linktablemodel.h"
#include "text/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "linkgroup fuzzer: %s\n", what);
        std::abort();
    }
}

QString tempTemplate() {
    return QDir::tempPath() + QStringLiteral("/quorttrans-fuzz-XXXXXX");
}

// The six fields in file order.
QStringList fieldsOf(const LinkEntry &e) {
    return {e.name, e.address, e.freeText, e.privateText, e.shownAddress, e.dateAdded};
}

// A link's line must read back as the link, each field as storedField made it.
void checkRoundTrip(const LinkEntry &entry) {
    const QString line = LinkGroupFile::line(entry);
    require(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')),
            "a link's line holds a line break");
    const QList<LinkEntry> back = LinkGroupFile::parse({line}, 1);
    require(back.size() == 1, "one line did not give one link");
    const QStringList before = fieldsOf(entry);
    const QStringList after = fieldsOf(back.first());
    for (int i = 0; i < before.size(); ++i) {
        if (after[i] != LinkGroupFile::storedField(before[i])) {
            std::fprintf(stderr, "field %d does not survive its line\n", i);
            require(false, "a field changed on a round trip");
        }
    }
}

} // namespace

// Input: the first byte is the group's link count (as Links.Bok would give it),
// the rest is the group file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    const int count = data[0];
    const char *fileData = reinterpret_cast<const char *>(data + 1);
    const qsizetype fileSize = qsizetype(size - 1);
    const QStringList lines = TextFile::decodeLines(QByteArray::fromRawData(fileData, fileSize));

    const QList<LinkEntry> entries = LinkGroupFile::parse(lines, count);
    require(entries.size() == count, "parse did not give count links");
    for (const LinkEntry &entry : entries)
        checkRoundTrip(entry);

    // Fields as the link editor hands them over hold anything the user typed, not
    // only what a line could hold, so six lines of input also make one link.
    for (qsizetype i = 0; i + 6 <= lines.size() && i < 6 * 64; i += 6)
        checkRoundTrip(
            {lines[i], lines[i + 1], lines[i + 2], lines[i + 3], lines[i + 4], lines[i + 5]});

    QTemporaryDir folder(tempTemplate());
    require(folder.isValid(), "cannot create a temporary folder");
    const LinkGroupStore store{ProgramFolder(folder.path())};
    require(QDir().mkpath(folder.filePath(QStringLiteral("Links"))), "cannot create Links");
    QFile input(store.path(0));
    require(input.open(QIODevice::WriteOnly), "cannot create the group file");
    require(input.write(fileData, fileSize) == fileSize, "cannot write the group file");
    input.close();

    const QList<LinkEntry> links = store.read(0, count);
    require(links.size() == count, "the store lost the group's count");
    LinkTableModel model;
    model.setLinks(links, 20);
    require(model.linkCount() == count, "the model lost the group's count");
    const LinkGroupStore::SaveOutcome outcome = store.write(1, model.links());
    require(outcome.result.ok, "cannot save the group");
    require(outcome.count() >= 0 && outcome.count() <= count, "more links saved than read");
    const std::optional<QStringList> saved = TextFile::readLines(store.path(1));
    require(saved.has_value(), "the saved group is missing");
    require(saved->size() == outcome.count(), "the saved group does not hold count lines");
    return 0;
}
