#include "text/textfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "text fuzzer: %s\n", what);
        std::abort();
    }
}

} // namespace

// Every file of the program is read through decodeLines, so any bytes must come back as
// lines, and what writeLines would make of those lines must read back as the same lines.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // Raw data, not a copy, so a read past the end hits ASan instead of a terminating NUL.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = TextFile::decodeLines(bytes);

    for (const QString &line : lines)
        require(!line.contains(QLatin1Char('\n')), "a line holds LF");
    require(lines.size() <= bytes.count('\n') + 1, "more lines than line ends");
    require(TextFile::decodeLines(TextFile::encodeLines(lines)) == lines,
            "written lines read back differently");

    for (const QString &line : lines)
        require(!TextFile::oneLine(line).contains(QLatin1Char('\r')), "oneLine kept a CR");
    return 0;
}
