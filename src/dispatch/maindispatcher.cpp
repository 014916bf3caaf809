#include "maindispatcher.h"

#include "browser/addressbar.h"
#include "browser/browsertabs.h"
#include "browser/findbar.h"
#include "browser/pagesource.h"
#include "browser/webview.h"
#include "commandbar/commandbutton.h"
#include "commandbar/commandregistry.h"
#include "commandbar/floatingbars.h"
#include "commandbar/maincommandbars.h"
#include "commandbar/maincommandtable.h"
#include "core/captions.h"
#include "core/notifier.h"
#include "core/programfiles.h"
#include "core/programstate.h"
#include "desktop/desktop.h"
#include "dispatch/keyboardcommands.h"
#include "dispatch/mainwindowactions.h"
#include "translate/localpairs.h"
#include "translate/selectiontranslation.h"
#include "userdata/bookmarkfile.h"
#include "userdata/optionsfile.h"

#include <QUrl>

using D = MainDispatcher;
using A = CommandAction;

const D::Handler D::Handlers[] = {
    {A::Exit, &D::exit},
    {A::GoBack, &D::goBack},
    {A::GoForward, &D::goForward},
    {A::LinkTable, &D::linkTable},
    {A::Print, &D::print},
    {A::About, &D::about},
    {A::Search, &D::search},
    {A::Dictionary, &D::dictionary},
    {A::Map, &D::map},
    {A::Social, &D::social},
    {A::Ecommerce, &D::ecommerce},
    {A::Minimise, &D::minimise},
    {A::Stop, &D::stop},
    {A::PageSetup, &D::pageSetup},
    {A::PrintPreview, &D::printPreview},
    {A::Properties, &D::properties},
    {A::StyleSystem, &D::barStyle},
    {A::StyleOffice, &D::barStyle},
    {A::StyleMoney, &D::barStyle},
    {A::StyleXp, &D::barStyle},
    {A::FloatingBars, &D::floatingBars},
    {A::Help, &D::help},
    {A::SavePicture, &D::pageExport},
    {A::SaveWebArchive, &D::pageExport},
    {A::SaveWordLandscape, &D::pageExport},
    {A::SaveWordPortrait, &D::pageExport},
    {A::SavePdf, &D::pageExport},
    {A::SaveWorkbook, &D::pageExport},
    {A::SaveSlide, &D::pageExport},
    {A::Explorer, &D::explorer},
    {A::SecuritySettings, &D::securitySettings},
    {A::SoundSettings, &D::soundSettings},
    {A::InternetSettings, &D::internetSettings},
    {A::SpeakFile, &D::speakFile},
    {A::Cut, &D::cut},
    {A::Copy, &D::copy},
    {A::Paste, &D::paste},
    {A::Find, &D::find},
    {A::SelectAll, &D::selectAll},
    {A::DeleteSelection, &D::deleteSelection},
    {A::ViewSource, &D::viewSource},
    {A::Translator, &D::translator},
    {A::TranslatePage, &D::translatePage},
    {A::PickBookmark, &D::pickBookmark},
    {A::GoBookmark, &D::goBookmark},
    {A::Refresh, &D::refresh},
    {A::Home, &D::home},
    {A::PickHome, &D::pickHome},
    {A::NewLanguage, &D::newLanguage},
    {A::NextTab, &D::keyboard},
    {A::PreviousTab, &D::keyboard},
    {A::NumberedTab, &D::keyboard},
    {A::ZoomIn, &D::keyboard},
    {A::ZoomOut, &D::keyboard},
    {A::ZoomReset, &D::keyboard},
};

namespace {
// The program's help page on its web site.
const char HelpPage[] = "https://quorttrans.example.org/quortspeak/quortspeakhelp.html";
void openSettings(const DispatchContext &context, Desktop::SettingsPanel panel) {
    if (context.desktop.openSettings(panel))
        return;
    const LanguageFile &language = context.state.language;
    context.notifier.inform(language.caption(Captions::ProgramName),
                            language.caption(Captions::NoSettingsTool));
}

// The export a save command's row asks for.
PageExportKind exportKindOf(CommandAction action) {
    switch (action) {
    case A::SaveWebArchive:
        return PageExportKind::WebArchive;
    case A::SaveWordLandscape:
        return PageExportKind::WordLandscape;
    case A::SaveWordPortrait:
        return PageExportKind::WordPortrait;
    case A::SavePdf:
        return PageExportKind::Pdf;
    case A::SaveWorkbook:
        return PageExportKind::Workbook;
    case A::SaveSlide:
        return PageExportKind::Slide;
    default:
        return PageExportKind::Picture;
    }
}

} // namespace

MainDispatcher::MainDispatcher(const DispatchContext &context)
    : m_context(context) {
    m_context.translation.markMenuItems(&m_context.registry);
}

void MainDispatcher::buttonClick(int barIndex, const QString &key) {
    m_key = key;
    m_styleChanged = false;
    const MainCommandTable::Command *command = MainCommandTable::find(key);
    if (command && command->bar->element == barIndex) {
        m_action = command->action;
        for (const Handler &handler : Handlers) {
            if (handler.action == m_action) {
                (this->*handler.run)();
                break;
            }
        }
    } else if (!command && barIndex == MainCommandBars::MenuIndex) {
        generatedItem(key);
    }
    if (m_styleChanged)
        m_context.window.applyBarStyle();
}

bool MainDispatcher::handles(CommandAction action) {
    for (const Handler &handler : Handlers) {
        if (handler.action == action)
            return true;
    }
    return false;
}

void MainDispatcher::menuOpened(int /*barIndex*/) {
    m_context.floatingBars.menuOpened();
    // The translate-language menu marks the pairs on this computer once they are known.
    m_context.translation.localPairs().list();
}

void MainDispatcher::menuClosed(int /*barIndex*/) {
    m_context.floatingBars.menuClosed();
}

WebView *MainDispatcher::view() const {
    return m_context.tabs.currentView();
}

void MainDispatcher::page(int command) {
    if (WebView *current = view())
        current->runPageCommand(static_cast<WebView::PageCommand>(command));
}

void MainDispatcher::service(const QString &address) {
    m_context.addressBar.setAddressText(address);
    m_context.addressBar.openTypedAddress(0);
}

// --- generated items ---

void MainDispatcher::generatedItem(const QString &key) {
    if (key.left(10) == QLatin1String("TRANSLANG:"))
        translateLanguageItem(key);
    else if (key.left(7) == QLatin1String("MYLANG:"))
        myLanguageItem(key);
    else
        languageItem(key);
}

void MainDispatcher::translateLanguageItem(const QString &key) {
    CommandButton *item = m_context.registry.find(key);
    if (!item)
        return;
    const bool on = m_context.translation.chooseSourceLanguage(item->caption());
    item->setChecked(on);
    m_context.window.showTranslationIndicator(on);
}

void MainDispatcher::myLanguageItem(const QString &key) {
    CommandButton *item = m_context.registry.find(key);
    if (!item)
        return;
    item->setChecked(true);
    // Kept until exit, when the settings file stores it.
    if (const TranslationLanguage *row =
            m_context.state.language.findTranslationRow(item->caption()))
        m_context.state.settings.myLanguage = row->code;
    m_context.translation.refreshMarks();
}

void MainDispatcher::languageItem(const QString &key) {
    // The file's own name: "Weiß" upper-cased and lower-cased again is "weiss", which
    // names no file.
    if (const CommandButton *item = m_context.registry.find(key); item && !item->tag().isEmpty()) {
        m_context.window.switchLanguage(item->tag());
        return;
    }
    const qsizetype colon = key.indexOf(QLatin1Char(':'));
    m_context.window.switchLanguage(key.mid(colon + 1).toLower());
}

// --- table actions ---

void MainDispatcher::exit() {
    m_context.window.exitProgram();
}
void MainDispatcher::goBack() {
    if (WebView *current = view())
        current->goBack();
}
void MainDispatcher::goForward() {
    if (WebView *current = view())
        current->goForward();
}
void MainDispatcher::linkTable() {
    m_context.window.showLinkTable();
}
void MainDispatcher::print() {
    page(int(WebView::PageCommand::Print));
}
void MainDispatcher::about() {
    m_context.window.showAbout();
}
void MainDispatcher::search() {
    service(m_context.state.language.settings().searchUrl);
}
void MainDispatcher::dictionary() {
    service(m_context.state.language.settings().dictionaryUrl);
}
void MainDispatcher::map() {
    service(m_context.state.language.settings().mapUrl);
}
void MainDispatcher::social() {
    service(m_context.state.language.settings().socialUrl);
}
void MainDispatcher::ecommerce() {
    service(m_context.state.language.settings().ecommerceUrl);
}
void MainDispatcher::minimise() {
    m_context.window.minimise();
}
void MainDispatcher::stop() {
    if (WebView *current = view())
        current->stop();
}
void MainDispatcher::pageSetup() {
    page(int(WebView::PageCommand::PageSetup));
}
void MainDispatcher::printPreview() {
    page(int(WebView::PageCommand::PrintPreview));
}
void MainDispatcher::properties() {
    page(int(WebView::PageCommand::Properties));
}
void MainDispatcher::barStyle() {
    m_context.state.options.selectedBarStyle =
        static_cast<qint16>(static_cast<int>(m_action) - static_cast<int>(A::StyleSystem));
    m_context.registry.item(m_key).setChecked(true);
    m_styleChanged = true;
}

void MainDispatcher::floatingBars() {
    // The check item has already changed its mark when the click arrives.
    m_context.floatingBars.setFloating(m_context.registry.item(m_key).checked());
}

void MainDispatcher::help() {
    m_context.desktop.openUrl(QUrl(QLatin1String(HelpPage)));
}
void MainDispatcher::pageExport() {
    m_context.window.exportPage(exportKindOf(m_action));
}

void MainDispatcher::explorer() {
    const QString text = m_context.addressBar.currentText().trimmed();
    const QUrl url(text, QUrl::StrictMode);
    // Only a web address leaves the program; a path or any other scheme is refused.
    if (!Desktop::isWebAddress(url) || !m_context.desktop.openUrl(url)) {
        const LanguageFile &language = m_context.state.language;
        m_context.notifier.warn(language.caption(Captions::ProgramName),
                                language.caption(Captions::OnlyWebAddresses) +
                                    QStringLiteral("\n") + text);
    }
}

void MainDispatcher::securitySettings() {
    openSettings(m_context, Desktop::SettingsPanel::Security);
}
void MainDispatcher::soundSettings() {
    openSettings(m_context, Desktop::SettingsPanel::Sound);
}
void MainDispatcher::internetSettings() {
    openSettings(m_context, Desktop::SettingsPanel::Network);
}

void MainDispatcher::speakFile() {
    // A missing file fails quietly, as it always did.
    m_context.desktop.openProgramFile(m_context.files.folder().path(
        QStringLiteral("languages/Speak_") + m_context.state.options.currentLanguage +
        QStringLiteral(".txt")));
}

void MainDispatcher::cut() {
    page(int(WebView::PageCommand::Cut));
}
void MainDispatcher::copy() {
    page(int(WebView::PageCommand::Copy));
}
void MainDispatcher::paste() {
    page(int(WebView::PageCommand::Paste));
}
void MainDispatcher::find() {
    m_context.findBar.open();
}
void MainDispatcher::selectAll() {
    page(int(WebView::PageCommand::SelectAll));
}
void MainDispatcher::deleteSelection() {
    page(int(WebView::PageCommand::Delete));
}

void MainDispatcher::viewSource() {
    WebView *current = view();
    if (!current)
        return;
    Desktop *desktop = &m_context.desktop;
    PageSource::writePageSource(*current, m_context.files.folder(),
                                [desktop](const QString &path) { desktop->openProgramFile(path); });
}

void MainDispatcher::translatePage() {
    m_context.window.togglePageTranslation();
}

void MainDispatcher::translator() {
    if (WebView *current = view())
        current->navigate(m_context.state.language.settings().translatorPath);
}

void MainDispatcher::pickBookmark() {
    const WriteResult result =
        BookmarkFile(m_context.files.bookmarkFile()).save(m_context.state.bookmarkAddress);
    if (!result)
        m_context.window.reportWriteFailure(result);
}

void MainDispatcher::goBookmark() {
    // No bookmark file, or one without an address: nothing happens.
    const auto address = BookmarkFile(m_context.files.bookmarkFile()).read();
    WebView *current = view();
    if (!address || address->trimmed().isEmpty() || !current)
        return;
    current->stop();
    m_context.addressBar.setAddressText(*address);
    current->navigate(*address);
}

void MainDispatcher::refresh() {
    if (WebView *current = view())
        current->refresh();
}

void MainDispatcher::home() {
    if (WebView *current = view())
        current->goHome();
}

void MainDispatcher::pickHome() {
    ProgramState &state = m_context.state;
    state.options.homeAddress = m_context.addressBar.currentText();
    const WriteResult result = OptionsFile(m_context.files.optionsFile()).save(state.options);
    if (!result)
        m_context.window.reportWriteFailure(result);
}

void MainDispatcher::newLanguage() {
    m_context.window.showLanguageEditor();
}

void MainDispatcher::keyboard() {
    m_keyboard.run(m_action, m_key);
}
