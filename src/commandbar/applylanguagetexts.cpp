#include "applylanguagetexts.h"

#include "commandbar/commandregistry.h"
#include "commandbar/maincommandtable.h"
#include "commandbar/windowbars.h"
#include "core/captions.h"
#include "core/languagefile.h"
#include "core/programstate.h"

namespace LanguageTexts {
void apply(CommandRegistry &registry, const LanguageFile &language, const QString &currentLanguage,
           const Targets &targets) {
    for (const MainCommandTable::Command &command : MainCommandTable::commands()) {
        if (command.text.property != CommandText::Property::None)
            command.text.applyTo(registry.item(QLatin1String(command.key)), language,
                                 currentLanguage);
    }
    // Each window is loaded first, so that its buttons exist.
    if (targets.loadLanguageEditor) {
        targets.loadLanguageEditor();
        WindowBars::applyTexts(registry, WindowBars::Window::LanguageEditor, language);
    }
    if (targets.loadInputDialog) {
        targets.loadInputDialog();
        WindowBars::applyTexts(registry, WindowBars::Window::InputDialog, language);
    }

    if (targets.setMoveButtonsToolTip)
        targets.setMoveButtonsToolTip(language.caption(Captions::MoveWindow));
    if (targets.setProgressBarText)
        targets.setProgressBarText(language.caption(Captions::ProgramName));
    if (targets.setInputDialogTitle)
        targets.setInputDialogTitle(language.caption(Captions::LeaveWithoutSaving));
    if (targets.retitleEmptyGroups)
        targets.retitleEmptyGroups(language.caption(Captions::EmptyGroupTitle));
}

} // namespace LanguageTexts

void ApplyLanguageTexts(CommandRegistry &registry, const ProgramState &state,
                        const LanguageTexts::Targets &targets) {
    LanguageTexts::apply(registry, state.language, state.options.currentLanguage, targets);
}
