#pragma once

#include "commandbar/commandregistry.h"
#include "commandbar/imagelist.h"
#include "commandbar/maincommandset.h"
#include "commandbar/mainimages.h"
#include "core/languagefile.h"
#include "filehelpers.h"
#include "text/programfolder.h"

#include <QString>
#include <QStringList>

inline ProgramFolder shippedFolder() {
    return ProgramFolder(QStringLiteral(QUORT_PROGRAM_DIR));
}

inline LanguageFile shippedLanguage(const QString &name) {
    LanguageFile language;
    language.load(LanguageFile::pathFor(shippedFolder(), name));
    return language;
}

inline ImageList shippedImages() {
    ImageList images;
    MainImages::load(images, shippedFolder());
    return images;
}

// The keys of a bar, or {"<no bar KEY>"} when there is none.
inline QStringList barKeys(const CommandRegistry &registry, const QString &bar) {
    const CommandBar *found = registry.bars().find(bar);
    return found ? found->keys() : QStringList{QStringLiteral("<no bar ") + bar + '>'};
}
