#include "settings/languagechoice.h"

#include "core/languagefile.h"
#include "text/programfolder.h"

#include <QFileInfo>

namespace {

bool loadFile(LanguageFile &file, const QString &path) {
    return !path.isEmpty() && QFileInfo(path).isFile() && file.load(path);
}

} // namespace

LanguageChoice LanguageChoice::load(LanguageFile &file, const ProgramFolder &folder,
                                    const QString &language) {
    const QString english = QStringLiteral("English");
    const bool isEnglish = language.compare(english, Qt::CaseInsensitive) == 0;
    const QString path = LanguageFile::pathFor(folder, language);
    const bool loaded = loadFile(file, path);
    if (loaded && file.isUsable())
        return {Outcome::Chosen, language, {}};

    const QString failed = QFileInfo(path).isFile() ? path : language;
    // A broken English file is still better than no texts at all; the user hears of it.
    if (loaded && isEnglish)
        return {Outcome::EnglishInstead, english, failed};
    if (!isEnglish && loadFile(file, LanguageFile::pathFor(folder, english)))
        return {Outcome::EnglishInstead, english, failed};
    return {Outcome::NoLanguage, {}, failed};
}
