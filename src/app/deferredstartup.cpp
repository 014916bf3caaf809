#include "app/deferredstartup.h"

#include "app/mainmessages.h"
#include "commandbar/commandbutton.h"
#include "commandbar/commandregistry.h"
#include "core/programfiles.h"
#include "core/programstate.h"
#include "linktable/linktable.h"

namespace DeferredStartup {

void run(LinkTable &linkTable, ProgramState &state, const ProgramFiles &files,
         CommandRegistry &registry, const MainMessages &messages) {
    const WriteResult titles = linkTable.readTitles(state.language);
    if (!titles)
        messages.writeFailure(titles);
    state.wordTemplatePath = files.folder().path(QStringLiteral("Data/Template.Doc"));
    state.wordTemplateHPath = files.folder().path(QStringLiteral("Data/TemplateH.Doc"));
    registry.item(QStringLiteral("FAVORITE")).setEnabled(true);
    if (const TranslationLanguage *mine =
            state.language.findTranslationCode(state.settings.myLanguage)) {
        if (CommandButton *item =
                registry.find(QStringLiteral("MYLANG:") + mine->name.trimmed().toUpper()))
            item->setChecked(true);
    }
}

} // namespace DeferredStartup
