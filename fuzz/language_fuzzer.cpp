#include "core/languagefile.h"
#include "text/textfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "language fuzzer: %s\n", what);
        std::abort();
    }
}

} // namespace

// Language files are edited by translators by hand; a broken one must still load.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QStringList lines = TextFile::decodeLines(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    LanguageFile file;
    file.parse(lines);

    // Walk one past each end so the bounds checks are exercised as well.
    for (int n = -1; n <= LanguageFile::CaptionCount + 2; ++n) {
        const QString caption = file.caption(n);
        if (n < 1 || n > LanguageFile::CaptionCount)
            require(caption.isEmpty(), "a caption outside 1..250");
    }
    for (int row = -1; row <= LanguageFile::TranslationRowCount + 1; ++row) {
        const TranslationLanguage &language = file.translationRow(row);
        if (row < 0 || row >= LanguageFile::TranslationRowCount)
            require(language.name.isEmpty() && language.code.isEmpty(), "a row outside the table");
    }
    require(file.lastTranslationRow() >= 0 &&
                file.lastTranslationRow() < LanguageFile::TranslationRowCount,
            "last translation row out of range");

    const LanguageSettings &settings = file.settings();
    require(settings.lang.size() <= 3, "LANG longer than three letters");
    // A text setting is the rest of its one line.
    for (const QString *text :
         {&settings.startPage, &settings.searchUrl, &settings.searchDescr, &settings.dictionaryUrl,
          &settings.dictionaryDescr, &settings.mapUrl, &settings.mapDescr, &settings.socialUrl,
          &settings.socialDescr, &settings.ecommerceUrl, &settings.ecommerceDescr,
          &settings.translatorPath, &settings.translateHost})
        require(!text->contains(QLatin1Char('\n')), "a setting spans lines");
    return 0;
}
