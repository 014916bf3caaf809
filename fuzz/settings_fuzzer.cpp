#include "text/textfile.h"
#include "userdata/settingsfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "settings fuzzer: %s\n", what);
        std::abort();
    }
}

} // namespace

// The window placements come back from disk at every start; a damaged file must still
// give a main window that can be shown.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QStringList lines = TextFile::decodeLines(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    const SettingsValues values = SettingsFile::parse(lines, QSizeF(28800, 16200));

    require(values.main.top >= 0 && values.main.left >= 0, "a negative main window position");
    require(values.main.height >= 2000, "main window lower than its minimum");
    require(values.main.width >= 3000, "main window narrower than its minimum");

    const Placement<double> mainWindow{double(values.main.top), double(values.main.left),
                                       double(values.main.height), double(values.main.width)};
    const QStringList written = SettingsFile::lines(values, mainWindow);
    // A 15th line keeps the languages never offered for translation, only when there are any.
    require(written.size() == (values.neverTranslate.isEmpty() ? 14 : 15),
            "the settings file is not 14 lines, or 15 with its never-translate line");
    for (const QString &line : written)
        require(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')),
                "a written value breaks its line");
    return 0;
}
