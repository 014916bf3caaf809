#include "text/textfile.h"
#include "userdata/historyfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "history fuzzer: %s\n", what);
        std::abort();
    }
}

} // namespace

// The history holds whatever was typed into the address bar, so any line can reach it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QStringList lines = TextFile::decodeLines(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));

    const QStringList saved = HistoryFile::entriesToSave(lines);
    require(saved.size() <= HistoryFile::SavedEntries, "more than 30 entries saved");
    for (const QString &entry : saved) {
        require(!entry.isEmpty(), "an empty entry saved");
        require(!entry.contains(QLatin1Char('\r')) && !entry.contains(QLatin1Char('\n')),
                "an entry breaks its line");
    }

    if (!lines.isEmpty())
        require(HistoryFile::containsAddress(lines, lines.first()), "first line not found");
    return 0;
}
