#include "startup/deferredstartup.h"

#include "commandbar/commandbutton.h"
#include "commandbar/commandregistry.h"
#include "commandbar/maincommandtable.h"
#include "core/programfiles.h"
#include "core/programstate.h"
#include "linktable/linktable.h"
#include "startup/mainmessages.h"

namespace DeferredStartup {

void run(LinkTable &linkTable, ProgramState &state, const ProgramFiles &files,
         CommandRegistry &registry, const MainMessages &messages) {
    const WriteResult titles = linkTable.readTitles(state.language);
    if (!titles)
        messages.writeFailure(titles);
    state.wordTemplatePath = files.folder().path(QStringLiteral("Data/Template.Doc"));
    state.wordTemplateHPath = files.folder().path(QStringLiteral("Data/TemplateH.Doc"));
    registry.item(QLatin1String(MainCommandTable::keyOf(CommandAction::LinkTable)))
        .setEnabled(true);
    if (const TranslationLanguage *mine =
            state.language.findTranslationCode(state.settings.myLanguage)) {
        if (CommandButton *item =
                registry.find(QStringLiteral("MYLANG:") + mine->name.trimmed().toUpper()))
            item->setChecked(true);
    }
}

} // namespace DeferredStartup
