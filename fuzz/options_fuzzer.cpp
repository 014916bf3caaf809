#include "text/textfile.h"
#include "userdata/optionsfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "options fuzzer: %s\n", what);
        std::abort();
    }
}

} // namespace

// The options file is read at every start; whatever it holds, reading must not fail.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QStringList lines = TextFile::decodeLines(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    Options options;
    OptionsFile::parse(lines, options);

    if (lines.size() > 4)
        require(options.homeAddress == lines[4], "home address not taken from line 5");
    if (lines.size() > 5)
        require(options.currentLanguage == lines[5], "language not taken from line 6");
    else
        require(options.currentLanguage == QLatin1String("English"), "language lost its default");
    return 0;
}
