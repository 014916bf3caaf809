#include "applylanguagetexts.h"

#include "commandbar/commandregistry.h"
#include "core/languagefile.h"
#include "core/programstate.h"
#include "linktable/linktitles.h"
#include "text/textcase.h"

namespace LanguageTexts {
namespace {

constexpr Text caption(Window window, const char *key, Property property, int n) {
    return {window, key, property, Source::Caption, n, nullptr, nullptr};
}
constexpr Text mainCaption(const char *key, int n) {
    return caption(Window::Main, key, Property::Caption, n);
}
constexpr Text mainToolTip(const char *key, int n) {
    return caption(Window::Main, key, Property::ToolTip, n);
}
constexpr Text settingToolTip(const char *key, QString LanguageSettings::*setting,
                              const char *settingKey) {
    return {Window::Main, key, Property::ToolTip, Source::Setting, 0, setting, settingKey};
}

// The table of texts, row for row.
const Text Texts[] = {
    mainToolTip("EXIT0", 32),
    mainToolTip("FILE", 131),
    mainToolTip("BACK", 123),
    mainToolTip("NEXT", 124),
    mainToolTip("PRINT", 43),
    settingToolTip("GOOGLE", &LanguageSettings::searchDescr, "SEARCH_DESCR"),
    mainToolTip("SAVE", 128),
    mainToolTip("EDIT", 129),
    mainToolTip("FAVORITE", 130),
    mainToolTip("SEARCH", 132),
    mainToolTip("NAVIGATE", 134),
    mainToolTip("TTS", 222),
    mainToolTip("SPEAK", 221),
    mainToolTip("LANG", 194),
    mainToolTip("EXIT2", 32),
    mainToolTip("MIN", 60),
    mainCaption("NAVIGATE:PICK", 170),
    mainCaption("NAVIGATE:GO", 169),
    mainCaption("NAVIGATE:NEXT", 3),
    mainCaption("NAVIGATE:BACK", 2),
    mainCaption("NAVIGATE:REFRESH", 126),
    mainCaption("NAVIGATE:HOME", 63),
    mainCaption("NAVIGATE:PICKHOME", 135),
    mainCaption("FILE:SYSTEM", 180),
    mainCaption("FILE:OFFICE", 172),
    mainCaption("FILE:XP", 173),
    mainCaption("FILE:MONEY", 174),
    mainCaption("FILE:FLOATING", 38),
    mainCaption("FILE:TORVELLO", 138),
    mainCaption("FILE:HELP", 175),
    mainCaption("EDIT:STOP", 125),
    {Window::Main, "EDIT:TXT", Property::Caption, Source::LanguageFileName, 0, nullptr, nullptr},
    mainCaption("EDIT:CUT", 157),
    mainCaption("EDIT:COPY", 158),
    mainCaption("EDIT:PASTE", 159),
    mainCaption("EDIT:DELETE", 18),
    mainCaption("EDIT:PAGESET", 41),
    mainCaption("EDIT:PREVIEW", 42),
    mainCaption("EDIT:PRINT", 43),
    mainCaption("EDIT:PROPERTIES", 177),
    mainCaption("EDIT:FINDDOC", 166),
    mainCaption("EDIT:SELECT", 23),
    mainCaption("EDIT:VIEW", 35),
    mainCaption("EDIT:PICTURE", 176),
    mainCaption("EDIT:TRANS", 189),
    mainCaption("TTS:PAGE", 255),
    mainCaption("EDIT:EXIT", 1),
    mainCaption("FILE:INTERNET", 161),
    mainCaption("FILE:EXPLORER", 160),
    mainCaption("FILE:SECURITY", 162),
    mainCaption("FILE:VOLUME", 97),
    mainCaption("SAVE:HTML", 145),
    mainCaption("SAVE:WORDH", 146),
    mainCaption("SAVE:WORDV", 147),
    mainCaption("SAVE:EXCEL", 148),
    mainCaption("SAVE:PPT", 149),
    mainCaption("SAVE:PDF", 206),
    mainCaption("LANG:NEW", 209),
    settingToolTip("WIKI", &LanguageSettings::dictionaryDescr, "DICTIONARY_DESCR"),
    settingToolTip("MAP", &LanguageSettings::mapDescr, "MAP_DESCR"),
    settingToolTip("SOCIAL", &LanguageSettings::socialDescr, "SOCIAL_DESCR"),
    settingToolTip("EBAY", &LanguageSettings::ecommerceDescr, "ECOMMERCE_DESCR"),
    mainToolTip("TORVELLO", 196),
    caption(Window::LanguageEditor, "EXIT3", Property::Caption, 210),
    caption(Window::LanguageEditor, "SAVE5", Property::Caption, 128),
    caption(Window::InputDialog, "OKYES", Property::Caption, 212),
    caption(Window::InputDialog, "OKNO", Property::Caption, 214),
};

// Further texts of the same operation.
constexpr int MoveButtonsToolTip = 215;
constexpr int ProgressBarText = 179;
constexpr int InputDialogTitle = 213;
constexpr int EmptyGroupTitle = 34;

} // namespace

TableView<Text> table() {
    return TableView<Text>(Texts);
}

QString textOf(const Text &row, const LanguageFile &language, const QString &currentLanguage) {
    switch (row.source) {
    case Source::Caption:
        return language.caption(row.caption);
    case Source::Setting:
        return language.settings().*row.setting;
    case Source::LanguageFileName:
        return QStringLiteral("trans_") + TextCase::proper(currentLanguage) +
               QStringLiteral(".txt");
    }
    return {};
}

void apply(CommandRegistry &registry, const LanguageFile &language, const QString &currentLanguage,
           const Targets &targets) {
    bool languageEditorLoaded = false;
    bool inputDialogLoaded = false;
    // Whether a window's rows are applied; loads the window before its first row.
    auto ready = [](const std::function<void()> &load, bool &loaded) {
        if (!load)
            return false;
        if (!loaded) {
            load();
            loaded = true;
        }
        return true;
    };

    for (const Text &row : table()) {
        if (row.window == Window::LanguageEditor &&
            !ready(targets.loadLanguageEditor, languageEditorLoaded))
            continue;
        if (row.window == Window::InputDialog && !ready(targets.loadInputDialog, inputDialogLoaded))
            continue;
        CommandButton *button = registry.button(QString::fromLatin1(row.key));
        const QString text = textOf(row, language, currentLanguage);
        if (row.property == Property::Caption)
            button->setCaption(text);
        else
            button->setToolTip(text);
    }

    if (targets.setMoveButtonsToolTip)
        targets.setMoveButtonsToolTip(language.caption(MoveButtonsToolTip));
    if (targets.setProgressBarText)
        targets.setProgressBarText(language.caption(ProgressBarText));
    if (targets.setInputDialogTitle)
        targets.setInputDialogTitle(language.caption(InputDialogTitle));
    if (targets.linkTitles)
        targets.linkTitles->retitleEmptyGroups(language.caption(EmptyGroupTitle),
                                               ProgramState::LinkGroupCount *
                                                   ProgramState::LinkGroupSize);
}

} // namespace LanguageTexts

void ApplyLanguageTexts(CommandRegistry &registry, const ProgramState &state,
                        const LanguageTexts::Targets &targets) {
    LanguageTexts::apply(registry, state.language, state.options.currentLanguage, targets);
}
