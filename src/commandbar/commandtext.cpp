#include "commandtext.h"

#include "commandbutton.h"
#include "core/languagefile.h"
#include "text/textcase.h"

QString CommandText::of(const LanguageFile &language, const QString &currentLanguage) const {
    switch (source) {
    case Source::Caption:
        return language.caption(caption);
    case Source::Setting:
        return language.settings().*setting;
    case Source::LanguageFileName:
        return QStringLiteral("trans_") + TextCase::proper(currentLanguage) +
               QStringLiteral(".txt");
    }
    return {};
}

void CommandText::applyTo(CommandButton &button, const LanguageFile &language,
                          const QString &currentLanguage) const {
    if (property == Property::Caption)
        button.setCaption(of(language, currentLanguage));
    else if (property == Property::ToolTip)
        button.setToolTip(of(language, currentLanguage));
}
