#include "translate/translatemenumarks.h"

#include "commandbar/commandbutton.h"
#include "commandbar/commandregistry.h"
#include "commandbar/maincommandset.h"
#include "core/captions.h"
#include "core/languagefile.h"
#include "translate/translationrequest.h"
#include "translate/translatorchoice.h"

namespace TranslateMenuMarks {

QString markText(const LanguageFile &language) {
    const QString caption = language.caption(Captions::LocalTranslation);
    const qsizetype colon = caption.indexOf(QLatin1Char(':'));
    return (colon < 0 ? caption : caption.left(colon)).trimmed();
}

void apply(CommandRegistry &registry, const LanguageFile &language, const QString &myLanguage,
           const QStringList &installedModes) {
    const QString mark = markText(language);
    const QString target =
        myLanguage.isEmpty() ? TranslationRequest::defaultMyLanguage() : myLanguage;
    for (int row = 0; row <= language.lastTranslationRow(); ++row) {
        const TranslationLanguage &entry = language.translationRow(row);
        CommandButton *item = registry.find(MainCommands::translateLanguageKey(entry.name));
        if (!item)
            continue;
        const bool local =
            !TranslatorChoice::modeFor(installedModes, entry.code.trimmed(), target).isEmpty();
        item->setNote(local ? mark : QString());
    }
}

} // namespace TranslateMenuMarks
