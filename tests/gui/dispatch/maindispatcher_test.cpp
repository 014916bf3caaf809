#include "browser/addressbar.h"
#include "browser/browsertabs.h"
#include "browser/findbar.h"
#include "commandbar/commandbutton.h"
#include "commandbar/commandregistry.h"
#include "commandbar/floatingbars.h"
#include "commandbar/imagelist.h"
#include "commandbar/maincommandset.h"
#include "commandbar/maincommandtable.h"
#include "core/programfiles.h"
#include "core/programstate.h"
#include "desktop/twips.h"
#include "dispatch/maindispatcher.h"
#include "dispatch/mainwindowactions.h"
#include "fakewebview.h"
#include "filehelpers.h"
#include "programfolderfixture.h"
#include "recordingdesktop.h"
#include "recordingnotifier.h"
#include "text/textfile.h"
#include "text/writeresult.h"
#include "translate/selectiontranslation.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The window's part, written down instead of done.
class RecordingWindow : public MainWindowActions {
public:
    void exitProgram() override { calls.append("exit"); }
    void minimise() override { calls.append("minimise"); }
    void showAbout() override { calls.append("about"); }
    void showLanguageEditor() override { calls.append("languageEditor"); }
    void showLinkTable() override { calls.append("linkTable"); }
    void switchLanguage(const QString &language) override {
        calls.append("switchLanguage " + language);
    }
    void applyBarStyle() override { calls.append("barStyle"); }
    void exportPage(PageExportKind kind) override { exports.append(kind); }
    void showTranslationIndicator(bool on) override {
        calls.append(on ? "indicator on" : "indicator off");
    }
    void togglePageTranslation() override { calls.append("translatePage"); }
    void reportWriteFailure(const WriteResult &result) override {
        calls.append("writeFailure " + result.path);
    }

    QStringList calls;
    QList<PageExportKind> exports;
};

// The dispatcher over the parts it drives, each real but small, and a window that records.
class Dispatch : public ::testing::Test {
protected:
    Dispatch() {
        state.language.load(LanguageFile::pathFor(files.folder(), "English"));
        MainCommands::BuildMainCommandSet(registry, images, state.language, files.folder());
        tabs.setTabCount(2);
    }

    FakeWebView *view() { return static_cast<FakeWebView *>(tabs.currentView()); }
    // A click as the bars deliver it.
    void click(int bar, const QString &key) { dispatcher.buttonClick(bar, key); }
    CommandButton &button(const QString &key) { return registry.item(key); }
    QStringList lines(const QString &name) {
        return TextFile::readLines(folder.filePath(name)).value_or(QStringList());
    }

    TemporaryProgramFolder folder;
    ProgramFiles files{ProgramFolder(folder.path())};
    ProgramState state;
    CommandRegistry registry;
    ImageList images;
    QWidget host;
    BrowserTabs tabs{[this](int) { return new FakeWebView(&host); }};
    AddressBar addressBar{tabs, state, state.language, &host};
    FindBar findBar{[this] { return tabs.currentView(); }, &host};
    QWidget toolbarArea{&host};
    QWidget statusLine{&host};
    Twips twips;
    FloatingBars floating{host,  toolbarArea,           statusLine, state, twips,
                          [] {}, [] { return nullptr; }};
    QTimer selectionTimer;
    SelectionTranslation translation{selectionTimer, state, [this] { return tabs.currentView(); }};
    RecordingDesktop desktop;
    RecordingNotifier notifier;
    RecordingWindow window;
    MainDispatcher dispatcher{DispatchContext{tabs, addressBar, findBar, floating, translation,
                                              state, registry, desktop, notifier, files, window}};
};

} // namespace

TEST_F(Dispatch, PageCommandsReachTheCurrentView) {
    const std::pair<int, QString> clicks[] = {
        {0, "BACK"},          {0, "NEXT"},          {0, "PRINT"},         {3, "EDIT:STOP"},
        {3, "EDIT:PAGESET"},  {3, "EDIT:PREVIEW"},  {3, "EDIT:PRINT"},    {3, "EDIT:PROPERTIES"},
        {3, "EDIT:CUT"},      {3, "EDIT:COPY"},     {3, "EDIT:PASTE"},    {3, "EDIT:SELECT"},
        {3, "EDIT:DELETE"},   {3, "NAVIGATE:BACK"}, {3, "NAVIGATE:NEXT"}, {3, "NAVIGATE:REFRESH"},
        {3, "NAVIGATE:HOME"},
    };
    for (const auto &[bar, key] : clicks)
        click(bar, key);
    EXPECT_EQ(
        view()->calls(),
        (QStringList{"goBack", "goForward", "runPageCommand Print", "stop",
                     "runPageCommand PageSetup", "runPageCommand PrintPreview",
                     "runPageCommand Print", "runPageCommand Properties", "runPageCommand Cut",
                     "runPageCommand Copy", "runPageCommand Paste", "runPageCommand SelectAll",
                     "runPageCommand Delete", "goBack", "goForward", "refresh", "goHome"}));
}

TEST_F(Dispatch, KeysActOnlyOnTheirOwnBarAndExactly) {
    click(1, "BACK");      // the tab strip's bar has no commands
    click(2, "BACK");      // BACK is not a shortcut button
    click(0, "back");      // letter case matters
    click(0, "EDIT:STOP"); // a menu key on the toolbar
    EXPECT_TRUE(view()->calls().isEmpty());
    EXPECT_EQ(state.options.currentLanguage, "English");
}

TEST_F(Dispatch, ShortcutButtonsOpenTheirServiceWithoutHistory) {
    const LanguageSettings &s = state.language.settings();
    for (const char *key : {"GOOGLE", "WIKI", "MAP", "SOCIAL", "EBAY"})
        click(2, key);
    EXPECT_EQ(view()->navigations(),
              (QStringList{s.searchUrl, s.dictionaryUrl, s.mapUrl, s.socialUrl, s.ecommerceUrl}));
    EXPECT_EQ(addressBar.currentText(), s.ecommerceUrl);
    EXPECT_TRUE(addressBar.history().isEmpty());
    click(3, "EDIT:TRANS");
    EXPECT_EQ(view()->navigations().last(), s.translatorPath);
}

TEST_F(Dispatch, ExitMinimiseAndTheModalWindowsAreTheWindows) {
    for (const auto &[bar, key] : {std::pair{0, "EXIT0"},
                                   {2, "EXIT2"},
                                   {3, "EDIT:EXIT"},
                                   {2, "MIN"},
                                   {0, "TORVELLO"},
                                   {3, "FILE:TORVELLO"},
                                   {3, "LANG:NEW"}})
        click(bar, key);
    EXPECT_EQ(window.calls, (QStringList{"exit", "exit", "exit", "minimise", "about", "about",
                                         "languageEditor"}));
}

TEST_F(Dispatch, BarStylesSwitchAndMarkOneItem) {
    click(3, "FILE:XP");
    EXPECT_EQ(state.options.selectedBarStyle, 3);
    EXPECT_TRUE(button("FILE:XP").checked());
    EXPECT_FALSE(button("FILE:OFFICE").checked());
    click(3, "FILE:MONEY");
    EXPECT_EQ(state.options.selectedBarStyle, 2);
    EXPECT_FALSE(button("FILE:XP").checked());
    click(3, "FILE:SYSTEM");
    EXPECT_EQ(state.options.selectedBarStyle, 0);
    EXPECT_EQ(window.calls, (QStringList{"barStyle", "barStyle", "barStyle"}));
    click(3, "EDIT:COPY"); // anything else leaves the bars' look alone
    EXPECT_EQ(window.calls.size(), 3);
}

TEST_F(Dispatch, FloatingBarsHideAtOnceAndStopWhenSwitchedOff) {
    button("FILE:FLOATING").setChecked(true); // the item toggles itself before the click
    click(3, "FILE:FLOATING");
    EXPECT_EQ(state.options.autoHideBars, 1);
    EXPECT_TRUE(floating.pointerTimer().isActive());
    EXPECT_EQ(floating.pointerTimer().interval(), 750);
    EXPECT_FALSE(state.barsShown);

    dispatcher.menuOpened(3);
    EXPECT_FALSE(floating.pointerTimer().isActive());
    dispatcher.menuClosed(3);
    EXPECT_TRUE(floating.pointerTimer().isActive());

    button("FILE:FLOATING").setChecked(false);
    click(3, "FILE:FLOATING");
    EXPECT_EQ(state.options.autoHideBars, 0);
    EXPECT_FALSE(floating.pointerTimer().isActive());
    dispatcher.menuClosed(3);
    EXPECT_FALSE(floating.pointerTimer().isActive());
}

TEST_F(Dispatch, TranslateLanguageItemsSwitchSelectionTranslation) {
    click(3, "TRANSLANG:German");
    EXPECT_TRUE(button("TRANSLANG:German").checked());
    EXPECT_EQ(state.sourceLanguage, "de");
    EXPECT_EQ(state.translateLanguageItem, "German");
    EXPECT_TRUE(selectionTimer.isActive());
    EXPECT_EQ(window.calls, QStringList{"indicator on"});

    click(3, "TRANSLANG:French"); // straight to another language
    EXPECT_EQ(state.sourceLanguage, "fr");
    EXPECT_FALSE(button("TRANSLANG:German").checked());
    EXPECT_TRUE(selectionTimer.isActive());

    click(3, "TRANSLANG:French"); // the active one again: off
    EXPECT_FALSE(button("TRANSLANG:French").checked());
    EXPECT_EQ(state.translateLanguageItem, "");
    EXPECT_FALSE(selectionTimer.isActive());
    EXPECT_EQ(state.sourceLanguage, "fr");
    EXPECT_EQ(window.calls.last(), "indicator off");
}

TEST_F(Dispatch, ACaptionThatMatchesNoRowKeepsThePreviousSourceLanguage) {
    state.sourceLanguage = "it";
    button("TRANSLANG:German").setCaption("Klingon");
    click(3, "TRANSLANG:German");
    EXPECT_EQ(state.sourceLanguage, "it");
    EXPECT_TRUE(selectionTimer.isActive());
}

TEST_F(Dispatch, MyLanguageItemsSetTheTargetLanguage) {
    click(3, "MYLANG:Spanish");
    EXPECT_EQ(state.settings.myLanguage, "es");
    EXPECT_TRUE(button("MYLANG:SPANISH").checked());
}

TEST_F(Dispatch, LanguageItemsNameTheLanguageAsItsFileSpellsIt) {
    click(3, "LANG:DEUTSCH");
    click(3, "LANG:ENGLISH");
    EXPECT_EQ(window.calls, (QStringList{"switchLanguage Deutsch", "switchLanguage English"}));
}

TEST_F(Dispatch, TheBookmarkKeepsTheAddressTypedLast) {
    click(3, "NAVIGATE:PICK"); // nothing typed yet: an empty bookmark
    EXPECT_EQ(lines("Data/QuortBook.bm"), QStringList{""});
    click(3, "NAVIGATE:GO");
    EXPECT_TRUE(view()->calls().isEmpty()); // an empty bookmark does nothing

    addressBar.setAddressText("http://127.0.0.1:9/typed");
    addressBar.openTypedAddress(1);
    Q_EMIT view()->navigationStarting("http://127.0.0.1:9/followed"); // a link followed
    click(3, "NAVIGATE:PICK");
    EXPECT_EQ(lines("Data/QuortBook.bm"), QStringList{"http://127.0.0.1:9/typed"});

    // The next run: the view and the bar start afresh.
    view()->clearCalls();
    addressBar.clear();
    click(3, "NAVIGATE:GO");
    EXPECT_EQ(view()->calls(), (QStringList{"stop", "navigate http://127.0.0.1:9/typed"}));
    EXPECT_EQ(addressBar.currentText(), "http://127.0.0.1:9/typed");
    EXPECT_EQ(addressBar.history().size(), 0);
}

TEST_F(Dispatch, PickHomeStoresTheBarsAddress) {
    addressBar.setAddressText("http://127.0.0.1:9/home");
    click(3, "NAVIGATE:PICKHOME");
    EXPECT_EQ(lines("Data/quortspeak.Opt").value(4), "http://127.0.0.1:9/home");
}

TEST_F(Dispatch, OnlyWebAddressesAreHandedToTheDesktop) {
    addressBar.setAddressText("https://example.org/page");
    click(3, "FILE:EXPLORER");
    EXPECT_EQ(desktop.opened, QStringList{"https://example.org/page"});
    for (const char *text : {"/usr/bin/xterm", "file:///etc/passwd", "javascript:alert(1)",
                             "smb://server/share", "xterm -e sh"}) {
        addressBar.setAddressText(text);
        click(3, "FILE:EXPLORER");
    }
    EXPECT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(notifier.messages.size(), 5);
}

TEST_F(Dispatch, SettingsPanelsOpenOrSayThatNoneWasFound) {
    click(3, "FILE:SECURITY");
    click(3, "FILE:VOLUME");
    click(3, "FILE:INTERNET");
    EXPECT_EQ(desktop.settings, (QList<int>{0, 1, 2}));
    EXPECT_TRUE(notifier.messages.isEmpty());
    desktop.settingsToolInstalled = false;
    click(3, "FILE:VOLUME");
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages[0].contains(state.language.caption(140)));
}

TEST_F(Dispatch, HelpAndTheSpeakFileOpenThroughTheDesktop) {
    click(3, "FILE:HELP");
    click(3, "EDIT:TXT");
    ASSERT_EQ(desktop.opened.size(), 2);
    EXPECT_EQ(QUrl(desktop.opened[0]).path(), "/quortspeak/quortspeakhelp.html");
    EXPECT_TRUE(desktop.opened[1].endsWith("languages/Speak_English.txt"));
}

TEST_F(Dispatch, ViewSourceWritesTheDocumentAndShowsIt) {
    putFile(folder.filePath("DOC.txt"), "old source");
    view()->setPageSource("<html><body>Grüße</body></html>");
    click(3, "EDIT:VIEW");
    QTRY_COMPARE_WITH_TIMEOUT(desktop.opened.size(), 1, 3000);
    EXPECT_TRUE(desktop.opened[0].endsWith("Doc.Txt"));
    EXPECT_EQ(fileBytes(desktop.opened[0]), QString("<html><body>Grüße</body></html>").toUtf8());
    EXPECT_FALSE(QFile::exists(folder.filePath("DOC.txt")));
}

TEST_F(Dispatch, FindOpensTheFindBarThatSearchesAsYouType) {
    host.show();
    click(3, "EDIT:FINDDOC");
    EXPECT_TRUE(findBar.isVisible());
    QTest::keyClicks(findBar.field(), "ab");
    EXPECT_EQ(view()->calls().filter("findText").last(), "findText ab");
    QTest::keyClick(findBar.field(), Qt::Key_Escape);
    EXPECT_FALSE(findBar.isVisible());
    EXPECT_EQ(view()->calls().last(), "findText ");
}

TEST_F(Dispatch, ExportsAndTheLinkTableReachTheirOnePlace) {
    for (const char *key : {"SAVE:HTML", "SAVE:PDF", "SAVE:WORDH", "SAVE:WORDV", "SAVE:EXCEL",
                            "SAVE:PPT", "EDIT:PICTURE"})
        click(3, key);
    click(0, "FAVORITE");
    using K = PageExportKind;
    EXPECT_EQ(window.exports, (QList<K>{K::WebArchive, K::Pdf, K::WordLandscape, K::WordPortrait,
                                        K::Workbook, K::Slide, K::Picture}));
    EXPECT_EQ(window.calls, QStringList{"linkTable"});
}

TEST_F(Dispatch, TabKeysMoveWithinTheFixedRowAsAClickOnTheTabWould) {
    tabs.setTabCount(4);
    tabs.setCaption(0, "Zero");
    tabs.setTabURL(0, "http://127.0.0.1/zero");
    click(4, "KEY:TAB2");
    EXPECT_EQ(tabs.currentIndex(), 1);
    // An unopened tab opens on its left neighbour's page.
    EXPECT_EQ(static_cast<FakeWebView *>(tabs.view(1))->navigations(),
              QStringList{"http://127.0.0.1/zero"});
    click(4, "KEY:PREVTAB");
    EXPECT_EQ(tabs.currentIndex(), 0);
    click(4, "KEY:PREVTAB");
    EXPECT_EQ(tabs.currentIndex(), 3);
    click(4, "KEY:NEXTTAB");
    EXPECT_EQ(tabs.currentIndex(), 0);
    click(4, "KEY:TAB8"); // there are four tabs
    click(3, "KEY:TAB3"); // a key's command from a menu
    EXPECT_EQ(tabs.currentIndex(), 0);
}

TEST_F(Dispatch, ZoomKeysStepTheCurrentPageThroughTheUsualLevels) {
    click(4, "KEY:ZOOMIN");
    click(4, "KEY:ZOOMIN");
    EXPECT_DOUBLE_EQ(view()->zoomFactor(), 1.25);
    for (int i = 0; i < 20; ++i)
        click(4, "KEY:ZOOMIN");
    EXPECT_DOUBLE_EQ(view()->zoomFactor(), 5.0);
    click(4, "KEY:ZOOMRESET");
    EXPECT_DOUBLE_EQ(view()->zoomFactor(), 1.0);
    for (int i = 0; i < 3; ++i)
        click(4, "KEY:ZOOMOUT");
    EXPECT_DOUBLE_EQ(view()->zoomFactor(), 0.75);
    for (int i = 0; i < 20; ++i)
        click(4, "KEY:ZOOMOUT");
    EXPECT_DOUBLE_EQ(view()->zoomFactor(), 0.25);
    // A size between two levels steps to the neighbouring level, not past it.
    view()->setZoomFactor(1.3);
    click(4, "KEY:ZOOMOUT");
    EXPECT_DOUBLE_EQ(view()->zoomFactor(), 1.25);
    view()->setZoomFactor(1.3);
    click(4, "KEY:ZOOMIN");
    EXPECT_DOUBLE_EQ(view()->zoomFactor(), 1.5);
    EXPECT_DOUBLE_EQ(static_cast<FakeWebView *>(tabs.view(1))->zoomFactor(), 1.0);
}

TEST(DispatchTable, EveryActionOfTheCommandTableHasAHandler) {
    for (const MainCommandTable::Command &command : MainCommandTable::commands()) {
        if (command.action != CommandAction::None) {
            EXPECT_TRUE(MainDispatcher::handles(command.action)) << command.key;
        }
    }
}
