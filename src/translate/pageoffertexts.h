#pragma once

#include "translate/tabtranslation.h"

#include <QString>

class LanguageFile;

// What the offer bar says and which of its buttons it shows for a tab, in the current
// language: the rules of the bar without the bar.
struct PageOfferTexts {
    QString message;
    // Button captions; an empty one is a button not shown.
    QString translate;
    QString notNow;
    QString never;
    QString showOriginal;

    static PageOfferTexts of(const TabTranslation &tab, const LanguageFile &language);
    // The language's name as the language file's table gives it, else its code.
    static QString languageName(const QString &code, const LanguageFile &language);
};
