#include "maincommandtable.h"

#include "core/captions.h"

#include <QString>

namespace MainCommandTable {
namespace {

using A = CommandAction;
using S = LanguageSettings;
constexpr ButtonStyle Plain = ButtonStyle::Plain;
constexpr ButtonStyle Separator = ButtonStyle::Separator;
constexpr ButtonStyle Check = ButtonStyle::Check;
constexpr ButtonStyle Option = ButtonStyle::Option;
constexpr CommandText NoText = CommandText::none();

constexpr CommandText tip(int caption) {
    return CommandText::toolTipOf(caption);
}
constexpr CommandText tip(QString S::*setting) {
    return CommandText::toolTipOf(setting);
}
constexpr CommandText cap(int caption) {
    return CommandText::captionOf(caption);
}

constexpr QKeyCombination Ctrl(Qt::Key key) {
    return Qt::CTRL | key;
}
constexpr QKeyCombination Alt(Qt::Key key) {
    return Qt::ALT | key;
}
constexpr QKeyCombination CtrlShift(Qt::Key key) {
    return Qt::CTRL | Qt::SHIFT | key;
}

// The command table, row for row.
const Command Commands[] = {
    // bar, key, picture, style, text, action, keys
    {&Standard0, "EXIT0", 0, Plain, tip(Captions::Close), A::Exit},
    {&Standard0, Separator13, -1, Separator, NoText},
    {&Standard0, "BACK", 1, Plain, tip(Captions::GoBackOnePage), A::GoBack},
    {&Standard0, "NEXT", 2, Plain, tip(Captions::GoForwardOnePage), A::GoForward},
    {&Standard0, Separator10, -1, Separator, NoText},
    {&Standard0, "PRINT", 5, Plain, tip(Captions::Print), A::Print},
    {&Standard0, "FAVORITE", 8, Plain, tip(Captions::FavouriteLinks), A::LinkTable},
    {&Standard0, "TORVELLO", 19, Plain, tip(Captions::AboutQuortTrans), A::About},
    {&Standard0, "SEP11", -1, Separator, NoText},
    {&Standard0, EditMenu.key, 7, Plain, tip(Captions::Edit)},
    {&Standard0, SaveMenu.key, 6, Plain, tip(Captions::Save)},
    {&Standard0, FileMenu.key, 81, Plain, tip(Captions::SettingsAndTools)},
    {&Standard0, LanguageMenu.key, 105, Plain, tip(Captions::ProgramLanguage)},
    {&Standard0, Separator4, -1, Separator, NoText},
    {&Standard0, TranslateMenu.key, 133, Plain, tip(Captions::TranslateSelectedTextFrom)},
    {&Standard0, MyLanguageMenu.key, 132, Plain, tip(Captions::TranslateIntoMyLanguage)},
    {&Standard0, Separator5, -1, Separator, NoText},
    {&Standard0, NavigateMenu.key, 73, Plain, tip(Captions::Navigation)},

    // Its width and widget are set when the set is built.
    {&Standard1, TabStripPanel, -1, ButtonStyle::Panel, NoText},

    {&Standard2, "GOOGLE", 13, Plain, tip(&S::searchDescr), A::Search},
    {&Standard2, "SOCIAL", 124, Plain, tip(&S::socialDescr), A::Social},
    {&Standard2, "EBAY", 125, Plain, tip(&S::ecommerceDescr), A::Ecommerce},
    {&Standard2, "WIKI", 122, Plain, tip(&S::dictionaryDescr), A::Dictionary},
    {&Standard2, "MAP", 123, Plain, tip(&S::mapDescr), A::Map},
    {&Standard2, "SEP14", -1, Separator, NoText},
    {&Standard2, "MIN", 22, Plain, tip(Captions::Minimise), A::Minimise},
    {&Standard2, "EXIT2", 0, Plain, tip(Captions::Close), A::Exit},

    {&SaveMenu, "SAVE:HTML", 26, Plain, cap(Captions::WebArchiveFile), A::SaveWebArchive},
    {&SaveMenu, "SAVE:WORDH", 27, Plain, cap(Captions::WordLandscape), A::SaveWordLandscape},
    {&SaveMenu, "SAVE:WORDV", 28, Plain, cap(Captions::WordPortrait), A::SaveWordPortrait},
    {&SaveMenu, "SAVE:EXCEL", 29, Plain, cap(Captions::ExcelWorkbook), A::SaveWorkbook},
    {&SaveMenu, "SAVE:PPT", 30, Plain, cap(Captions::PowerPointSlide), A::SaveSlide},
    {&SaveMenu, "SAVE:PDF", 32, Plain, cap(Captions::PdfDocument), A::SavePdf},

    {&EditMenu, "EDIT:STOP", 3, Plain, cap(Captions::Stop), A::Stop, {Qt::Key_Escape}, true},
    {&EditMenu, "EDIT:TXT", 66, Plain, CommandText::languageFileName(), A::SpeakFile},
    {&EditMenu, "EDIT:TXT:SEPARATOR", -1, Separator, NoText},
    {&EditMenu, "EDIT:CUT", 61, Plain, cap(Captions::Cut), A::Cut},
    {&EditMenu, "EDIT:COPY", 62, Plain, cap(Captions::Copy), A::Copy},
    {&EditMenu, "EDIT:PASTE", 63, Plain, cap(Captions::Paste), A::Paste},
    {&EditMenu, "EDIT:DELETE", 68, Plain, cap(Captions::Delete), A::DeleteSelection},
    {&EditMenu, "EDIT:SELECT", 67, Plain, cap(Captions::SelectAll), A::SelectAll},
    {&EditMenu, "EDIT:SELECT:SEPARATOR", -1, Separator, NoText},
    {&EditMenu, "EDIT:PAGESET", 58, Plain, cap(Captions::PageSetup), A::PageSetup},
    {&EditMenu, "EDIT:PREVIEW", 59, Plain, cap(Captions::PrintPreview), A::PrintPreview},
    {&EditMenu, "EDIT:PRINT", 60, Plain, cap(Captions::Print), A::Print, {Ctrl(Qt::Key_P)}},
    {&EditMenu, "EDIT:PROPERTIES", 79, Plain, cap(Captions::Properties), A::Properties},
    {&EditMenu, "EDIT:FINDDOC", 64, Plain, cap(Captions::FindOnPage), A::Find, {Ctrl(Qt::Key_F)}},
    {&EditMenu, "EDIT:VIEW:SEPARATOR", -1, Separator, NoText},
    {&EditMenu, "EDIT:VIEW", 69, Plain, cap(Captions::ViewPageSource), A::ViewSource},
    {&EditMenu, "EDIT:PICTURE", 78, Plain, cap(Captions::SavePagePicture), A::SavePicture},
    {&EditMenu, "EDIT:TRANS", 80, Plain, cap(Captions::OpenTranslator), A::Translator},
    {&EditMenu, "EDIT:EXIT:SEPARATOR", -1, Separator, NoText},
    {&EditMenu, "EDIT:EXIT", 0, Plain, cap(Captions::Exit), A::Exit, {Ctrl(Qt::Key_Q)}},

    // The four styles are one option group.
    {&FileMenu, "FILE:STYLE:SEPARATOR", -1, Separator, NoText},
    {&FileMenu, "FILE:SYSTEM", 58, Option, cap(Captions::SystemStyle), A::StyleSystem},
    {&FileMenu, "FILE:OFFICE", 9, Option, cap(Captions::OfficeStyle), A::StyleOffice},
    {&FileMenu, "FILE:XP", 75, Option, cap(Captions::XpStyle), A::StyleXp},
    {&FileMenu, "FILE:MONEY", 76, Option, cap(Captions::MoneyStyle), A::StyleMoney},
    {&FileMenu, "FILE:FLOATING:SEPARATOR", -1, Separator, NoText},
    {&FileMenu, "FILE:FLOATING", 72, Check, cap(Captions::FloatingBars), A::FloatingBars},
    {&FileMenu, "FILE:FISH:SEPARATOR", -1, Separator, NoText},
    {&FileMenu, "FILE:EXPLORER", 46, Plain, cap(Captions::OpenInDefaultBrowser), A::Explorer},
    {&FileMenu, "FILE:SECURITY", 48, Plain, cap(Captions::SecuritySettings), A::SecuritySettings},
    {&FileMenu, "FILE:VOLUME", 37, Plain, cap(Captions::SoundSettings), A::SoundSettings},
    {&FileMenu, "FILE:INTERNET", 47, Plain, cap(Captions::InternetOptions), A::InternetSettings},
    {&FileMenu, "FILE:INTERNET:SEPARATOR", -1, Separator, NoText},
    {&FileMenu, "FILE:TORVELLO", 19, Plain, cap(Captions::AboutWindow), A::About},
    {&FileMenu, "FILE:HELP", 77, Plain, cap(Captions::Help), A::Help},

    {&NavigateMenu,
     "NAVIGATE:PICK",
     15,
     Plain,
     cap(Captions::SetBookmark),
     A::PickBookmark,
     {Ctrl(Qt::Key_D)}},
    {&NavigateMenu, "NAVIGATE:GO", 71, Plain, cap(Captions::GoToBookmark), A::GoBookmark},
    {&NavigateMenu, "NAVIGATE:GO:SEPARATOR", -1, Separator, NoText},
    {&NavigateMenu, "NAVIGATE:BACK", 1, Plain, cap(Captions::Back), A::GoBack, {Alt(Qt::Key_Left)}},
    {&NavigateMenu,
     "NAVIGATE:REFRESH",
     4,
     Plain,
     cap(Captions::Refresh),
     A::Refresh,
     {Qt::Key_F5, Ctrl(Qt::Key_R)}},
    {&NavigateMenu,
     "NAVIGATE:NEXT",
     2,
     Plain,
     cap(Captions::Forward),
     A::GoForward,
     {Alt(Qt::Key_Right)}},
    {&NavigateMenu, "NAVIGATE:HOME:SEPARATOR", -1, Separator, NoText},
    {&NavigateMenu, "NAVIGATE:PICKHOME", 83, Plain, cap(Captions::UseAsHomePage), A::PickHome},
    {&NavigateMenu,
     "NAVIGATE:HOME",
     16,
     Plain,
     cap(Captions::HomePage),
     A::Home,
     {Alt(Qt::Key_Home)}},

    // The TTS menu's generated items come before them.
    {&TranslateMenu, "TTS:PAGE:SEPARATOR", -1, Separator, NoText},
    {&TranslateMenu,
     "TTS:PAGE",
     80,
     Plain,
     cap(Captions::TranslatePage),
     A::TranslatePage,
     {CtrlShift(Qt::Key_L)}},

    // The LANG menu's generated items come before it.
    {&LanguageMenu, "LANG:NEW", 119, Plain, cap(Captions::LanguageEditorWindow), A::NewLanguage},

    {&OtherWindows, Separator1, -1, Separator, NoText},
    {&OtherWindows, Separator2, -1, Separator, NoText},
    {&OtherWindows, Separator7, -1, Separator, NoText},

    {&KeysOnly, "KEY:NEXTTAB", -1, Plain, NoText, A::NextTab, {Ctrl(Qt::Key_Tab)}},
    // X reports Shift+Tab as Backtab.
    {&KeysOnly,
     "KEY:PREVTAB",
     -1,
     Plain,
     NoText,
     A::PreviousTab,
     {CtrlShift(Qt::Key_Backtab), CtrlShift(Qt::Key_Tab)}},
    {&KeysOnly, "KEY:TAB1", -1, Plain, NoText, A::NumberedTab, {Ctrl(Qt::Key_1)}},
    {&KeysOnly, "KEY:TAB2", -1, Plain, NoText, A::NumberedTab, {Ctrl(Qt::Key_2)}},
    {&KeysOnly, "KEY:TAB3", -1, Plain, NoText, A::NumberedTab, {Ctrl(Qt::Key_3)}},
    {&KeysOnly, "KEY:TAB4", -1, Plain, NoText, A::NumberedTab, {Ctrl(Qt::Key_4)}},
    {&KeysOnly, "KEY:TAB5", -1, Plain, NoText, A::NumberedTab, {Ctrl(Qt::Key_5)}},
    {&KeysOnly, "KEY:TAB6", -1, Plain, NoText, A::NumberedTab, {Ctrl(Qt::Key_6)}},
    {&KeysOnly, "KEY:TAB7", -1, Plain, NoText, A::NumberedTab, {Ctrl(Qt::Key_7)}},
    {&KeysOnly, "KEY:TAB8", -1, Plain, NoText, A::NumberedTab, {Ctrl(Qt::Key_8)}},
    // Plus shares its key with equals on most layouts.
    {&KeysOnly,
     "KEY:ZOOMIN",
     -1,
     Plain,
     NoText,
     A::ZoomIn,
     {Ctrl(Qt::Key_Plus), Ctrl(Qt::Key_Equal)}},
    {&KeysOnly, "KEY:ZOOMOUT", -1, Plain, NoText, A::ZoomOut, {Ctrl(Qt::Key_Minus)}},
    {&KeysOnly, "KEY:ZOOMRESET", -1, Plain, NoText, A::ZoomReset, {Ctrl(Qt::Key_0)}},
};

const Bar *const Bars[] = {&Standard0,    &SaveMenu,     &FileMenu,      &EditMenu,
                           &LanguageMenu, &NavigateMenu, &TranslateMenu, &MyLanguageMenu,
                           &Standard1,    &Standard2};

} // namespace

TableView<Command> commands() {
    return TableView<Command>(Commands);
}

TableView<const Bar *> bars() {
    return TableView<const Bar *>(Bars);
}

const Command *find(const QString &key) {
    for (const Command &command : Commands) {
        if (key == QLatin1String(command.key))
            return &command;
    }
    return nullptr;
}

const char *keyOf(CommandAction action) {
    for (const Command &command : Commands) {
        if (command.action == action)
            return command.key;
    }
    return nullptr;
}

CommandAction styleAction(int style) {
    return static_cast<CommandAction>(static_cast<int>(CommandAction::StyleSystem) + style);
}

bool isButton(const Command &command) {
    return command.bar != &KeysOnly;
}

bool dropsDown(const Command &command) {
    for (const Bar *bar : Bars) {
        if (bar->element == MenuElement && qstrcmp(bar->key, command.key) == 0)
            return true;
    }
    return false;
}

} // namespace MainCommandTable
