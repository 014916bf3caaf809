#include "translate/pageoffertexts.h"

#include "core/captions.h"
#include "core/languagefile.h"

using Shown = TabTranslation::Shown;

QString PageOfferTexts::languageName(const QString &code, const LanguageFile &language) {
    const TranslationLanguage *row = language.findTranslationCode(code);
    return row && !row->name.trimmed().isEmpty() ? row->name.trimmed() : code;
}

PageOfferTexts PageOfferTexts::of(const TabTranslation &tab, const LanguageFile &language) {
    auto caption = [&language](int n) { return language.caption(n); };
    const QString pageName = languageName(tab.pageLanguage(), language);
    const QString isIn = caption(Captions::PageLanguageIs).arg(pageName);
    PageOfferTexts texts;
    const Shown shown = tab.shown();
    if (shown == Shown::Offer)
        texts.translate =
            caption(Captions::TranslateInto).arg(languageName(tab.myLanguage(), language));
    if (shown == Shown::Offer || shown == Shown::NoPair || shown == Shown::WebOnly ||
        shown == Shown::NoLanguage)
        texts.notNow = caption(Captions::NotNow);
    if (shown == Shown::Offer || shown == Shown::NoPair || shown == Shown::WebOnly)
        texts.never = caption(Captions::NeverFor).arg(pageName);
    if (shown == Shown::Translating || shown == Shown::Translated || shown == Shown::Failed)
        texts.showOriginal = caption(Captions::ShowOriginal);
    switch (shown) {
    case Shown::Nothing:
        break;
    case Shown::Offer:
        texts.message = isIn;
        break;
    case Shown::NoPair:
        texts.message =
            isIn + QLatin1Char(' ') +
            (tab.package().isEmpty() ? caption(Captions::NoPair)
                                     : caption(Captions::NoPairPackage).arg(tab.package()));
        break;
    case Shown::WebOnly:
        texts.message = isIn + QLatin1Char(' ') + caption(Captions::PagesHereOnly);
        break;
    case Shown::NoLanguage:
        texts.message = caption(Captions::ChoosePageLanguage);
        break;
    case Shown::Translating:
        texts.message = caption(Captions::PageTranslating).arg(tab.done()).arg(tab.total());
        break;
    case Shown::Translated:
        texts.message = caption(Captions::PageTranslated);
        break;
    case Shown::Failed:
        texts.message = caption(Captions::PageNotTranslated) + QLatin1Char(' ') + tab.failure();
        break;
    }
    return texts;
}
