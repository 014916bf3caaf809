#include "maindispatcher.h"

#include "app/mainwindow.h"
#include "app/notifier.h"
#include "app/statusline.h"
#include "browser/addressbar.h"
#include "browser/findbar.h"
#include "browser/pagesource.h"
#include "browser/webview.h"
#include "commandbar/commandbutton.h"
#include "commandbar/commandregistry.h"
#include "commandbar/imagelist.h"
#include "commandbar/maincommandbars.h"
#include "desktop/desktop.h"
#include "settings/captions.h"
#include "userdata/bookmarkfile.h"
#include "userdata/optionsfile.h"

#include <QToolButton>
#include <QUrl>
#include <iterator>

using D = MainDispatcher;

const D::Command D::MainToolbar[] = {
    {"EXIT0", &D::exit},         {"BACK", &D::goBack}, {"NEXT", &D::goForward},
    {"FAVORITE", &D::linkTable}, {"PRINT", &D::print}, {"TORVELLO", &D::about},
};

const D::Command D::ShortcutToolbar[] = {
    {"GOOGLE", &D::search},  {"WIKI", &D::dictionary}, {"MAP", &D::map},    {"SOCIAL", &D::social},
    {"EBAY", &D::ecommerce}, {"MIN", &D::minimise},    {"EXIT2", &D::exit},
};

const D::Command D::Menus[] = {
    {"EDIT:STOP", &D::stop},
    {"EDIT:PAGESET", &D::pageSetup},
    {"EDIT:PREVIEW", &D::printPreview},
    {"EDIT:PRINT", &D::print},
    {"EDIT:PROPERTIES", &D::properties},
    {"FILE:SYSTEM", &D::styleSystem},
    {"FILE:OFFICE", &D::styleOffice},
    {"FILE:XP", &D::styleXp},
    {"FILE:MONEY", &D::styleMoney},
    {"FILE:FLOATING", &D::floatingBars},
    {"FILE:TORVELLO", &D::about},
    {"FILE:HELP", &D::help},
    {"SAVE:HTML", &D::pageExport},
    {"SAVE:PDF", &D::pageExport},
    {"SAVE:WORDH", &D::pageExport},
    {"SAVE:WORDV", &D::pageExport},
    {"SAVE:EXCEL", &D::pageExport},
    {"SAVE:PPT", &D::pageExport},
    {"FILE:EXPLORER", &D::explorer},
    {"FILE:SECURITY", &D::securitySettings},
    {"FILE:VOLUME", &D::soundSettings},
    {"FILE:INTERNET", &D::internetSettings},
    {"EDIT:PICTURE", &D::pageExport},
    {"EDIT:TXT", &D::speakFile},
    {"EDIT:CUT", &D::cut},
    {"EDIT:COPY", &D::copy},
    {"EDIT:PASTE", &D::paste},
    {"EDIT:FINDDOC", &D::find},
    {"EDIT:SELECT", &D::selectAll},
    {"EDIT:DELETE", &D::deleteSelection},
    {"EDIT:VIEW", &D::viewSource},
    {"EDIT:TRANS", &D::translator},
    {"EDIT:EXIT", &D::exit},
    {"NAVIGATE:PICK", &D::pickBookmark},
    {"NAVIGATE:GO", &D::goBookmark},
    {"NAVIGATE:BACK", &D::goBack},
    {"NAVIGATE:REFRESH", &D::refresh},
    {"NAVIGATE:NEXT", &D::goForward},
    {"NAVIGATE:HOME", &D::home},
    {"NAVIGATE:PICKHOME", &D::pickHome},
    {"LANG:NEW", &D::newLanguage},
};

namespace {
// The program's help page on its web site.
const char HelpPage[] = "https://quorttrans.example.org/quortspeak/quortspeakhelp.html";
} // namespace

MainDispatcher::MainDispatcher(MainWindow &window)
    : m_window(window) {}

void MainDispatcher::ButtonClick(int barIndex, const QString &key) {
    m_key = key;
    m_styleChanged = false;
    switch (barIndex) {
    case 0:
        runFrom(std::begin(MainToolbar), std::end(MainToolbar), key);
        break;
    case 2:
        runFrom(std::begin(ShortcutToolbar), std::end(ShortcutToolbar), key);
        break;
    case 3:
        if (!runFrom(std::begin(Menus), std::end(Menus), key))
            generatedItem(key);
        break;
    default:
        break;
    }
    if (m_styleChanged)
        m_window.bars().setBarStyle(m_window.state().options.selectedBarStyle);
}

bool MainDispatcher::runFrom(const Command *first, const Command *last, const QString &key) {
    for (const Command *command = first; command != last; ++command) {
        if (key == QLatin1String(command->key)) {
            (this->*command->action)();
            return true;
        }
    }
    return false;
}

void MainDispatcher::MenuOpened(int /*barIndex*/) {
    // Bars that float must not slide away under an open menu.
    m_window.timer1().stop();
}

void MainDispatcher::MenuClosed(int /*barIndex*/) {
    if (m_window.state().options.autoHideBars == 1)
        m_window.timer1().start();
}

WebView *MainDispatcher::view() const {
    return m_window.tabs().currentView();
}

void MainDispatcher::page(int command) {
    if (WebView *current = view())
        current->execWB(static_cast<WebView::PageCommand>(command));
}

void MainDispatcher::service(const QString &address) {
    m_window.addressBar().setAddressText(address);
    m_window.addressBar().GO_Address(0);
}

void MainDispatcher::setBarStyle(int style, const char *itemKey) {
    m_window.state().options.selectedBarStyle = static_cast<qint16>(style);
    m_window.registry().item(QLatin1String(itemKey)).setChecked(true);
    m_styleChanged = true;
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
    ProgramState &state = m_window.state();
    CommandButton *item = m_window.registry().find(key);
    if (!item)
        return;
    const QString caption = item->caption();
    if (caption != state.translateLanguageItem) {
        item->setChecked(true);
        const qsizetype colon = caption.indexOf(QLatin1Char(':'));
        const QString name = (colon < 0 ? caption : caption.mid(colon + 1)).trimmed().toLower();
        const LanguageFile &language = state.language;
        for (int row = 0; row <= language.lastTranslationRow(); ++row) {
            if (language.translationRow(row).name.toLower() == name) {
                state.sourceLanguage = language.translationRow(row).code.trimmed();
                break;
            }
        }
        // The user's clipboard is left alone: the selection is read from the page itself.
        m_window.timer6().start();
        state.translateLanguageItem = caption;
        m_window.showTranslationIndicator(true);
    } else {
        item->setChecked(false);
        m_window.timer6().stop();
        state.translateLanguageItem.clear();
        m_window.showTranslationIndicator(false);
    }
}

void MainDispatcher::myLanguageItem(const QString &key) {
    ProgramState &state = m_window.state();
    CommandButton *item = m_window.registry().find(key);
    if (!item)
        return;
    item->setChecked(true);
    const QString caption = item->caption().toUpper();
    const LanguageFile &language = state.language;
    for (int row = 0; row <= language.lastTranslationRow(); ++row) {
        if (language.translationRow(row).name.toUpper() == caption) {
            // Kept until exit, when the settings file stores it.
            state.settings.myLanguage = language.translationRow(row).code;
            break;
        }
    }
}

void MainDispatcher::languageItem(const QString &key) {
    // The file's own name: "Weiß" upper-cased and lower-cased again is "weiss", which
    // names no file.
    if (const CommandButton *item = m_window.registry().find(key); item && !item->tag().isEmpty()) {
        m_window.switchLanguage(item->tag());
        return;
    }
    const qsizetype colon = key.indexOf(QLatin1Char(':'));
    m_window.switchLanguage(key.mid(colon + 1).toLower());
}

// --- table actions ---

void MainDispatcher::exit() {
    m_window.GO_Exit();
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
    Q_EMIT m_window.linkTableRequested();
}
void MainDispatcher::print() {
    page(int(WebView::PageCommand::Print));
}
void MainDispatcher::about() {
    m_window.showAbout();
}
void MainDispatcher::search() {
    service(m_window.state().language.settings().searchUrl);
}
void MainDispatcher::dictionary() {
    service(m_window.state().language.settings().dictionaryUrl);
}
void MainDispatcher::map() {
    service(m_window.state().language.settings().mapUrl);
}
void MainDispatcher::social() {
    service(m_window.state().language.settings().socialUrl);
}
void MainDispatcher::ecommerce() {
    service(m_window.state().language.settings().ecommerceUrl);
}
void MainDispatcher::minimise() {
    m_window.showMinimized();
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
void MainDispatcher::styleSystem() {
    setBarStyle(0, "FILE:SYSTEM");
}
void MainDispatcher::styleOffice() {
    setBarStyle(1, "FILE:OFFICE");
}
void MainDispatcher::styleXp() {
    setBarStyle(3, "FILE:XP");
}
void MainDispatcher::styleMoney() {
    setBarStyle(2, "FILE:MONEY");
}

void MainDispatcher::floatingBars() {
    ProgramState &state = m_window.state();
    // The check item has already changed its mark when the click arrives.
    if (m_window.registry().item(QStringLiteral("FILE:FLOATING")).checked()) {
        m_window.timer1().setInterval(750);
        m_window.timer1().start();
        state.options.autoHideBars = 1;
        state.barsShown = true;
        m_window.GO_BarOff();
    } else {
        m_window.timer1().stop();
        state.options.autoHideBars = 0;
    }
}

void MainDispatcher::help() {
    m_window.desktop().openUrl(QUrl(QLatin1String(HelpPage)));
}
void MainDispatcher::pageExport() {
    Q_EMIT m_window.exportRequested(m_key);
}

void MainDispatcher::explorer() {
    const QString text = m_window.addressBar().currentText().trimmed();
    const QUrl url(text, QUrl::StrictMode);
    // Only a web address leaves the program; a path or any other scheme is refused.
    if (!Desktop::isWebAddress(url) || !m_window.desktop().openUrl(url)) {
        const LanguageFile &language = m_window.state().language;
        m_window.notifier().warn(language.caption(Captions::ProgramName),
                                 language.caption(Captions::OnlyWebAddresses) +
                                     QStringLiteral("\n") + text);
    }
}

namespace {
void openSettings(MainWindow &window, Desktop::SettingsPanel panel) {
    if (window.desktop().openSettings(panel))
        return;
    const LanguageFile &language = window.state().language;
    window.notifier().inform(language.caption(Captions::ProgramName),
                             language.caption(Captions::NoSettingsTool));
}
} // namespace

void MainDispatcher::securitySettings() {
    openSettings(m_window, Desktop::SettingsPanel::Security);
}
void MainDispatcher::soundSettings() {
    openSettings(m_window, Desktop::SettingsPanel::Sound);
}
void MainDispatcher::internetSettings() {
    openSettings(m_window, Desktop::SettingsPanel::Network);
}

void MainDispatcher::speakFile() {
    // A missing file fails quietly, as it always did.
    m_window.desktop().openProgramFile(m_window.files().folder().path(
        QStringLiteral("languages/Speak_") + m_window.state().options.currentLanguage +
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
    m_window.findBar().open();
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
    MainWindow *window = &m_window;
    PageSource::GO_Source(*current, m_window.files().folder(), [window](const QString &path) {
        window->desktop().openProgramFile(path);
    });
}

void MainDispatcher::translator() {
    if (WebView *current = view())
        current->navigate(m_window.state().language.settings().translatorPath);
}

void MainDispatcher::pickBookmark() {
    const WriteResult result =
        BookmarkFile(m_window.files().bookmarkFile()).save(m_window.state().bookmarkAddress);
    if (!result)
        m_window.reportWriteFailure(result);
}

void MainDispatcher::goBookmark() {
    // No bookmark file, or one without an address: nothing happens.
    const auto address = BookmarkFile(m_window.files().bookmarkFile()).read();
    WebView *current = view();
    if (!address || address->trimmed().isEmpty() || !current)
        return;
    current->stop();
    m_window.addressBar().setAddressText(*address);
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
    ProgramState &state = m_window.state();
    state.options.homeAddress = m_window.addressBar().currentText();
    const WriteResult result = OptionsFile(m_window.files().optionsFile()).save(state.options);
    if (!result)
        m_window.reportWriteFailure(result);
}

void MainDispatcher::newLanguage() {
    m_window.showLanguageEditor();
}
