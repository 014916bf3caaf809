#include "app/mainwindow.h"
#include "browser/addressbar.h"
#include "browser/findbar.h"
#include "commandbar/commandbutton.h"
#include "commandbar/commandregistry.h"
#include "commandbar/maincommandbars.h"
#include "dispatch/maindispatcher.h"
#include "fakewebview.h"
#include "filehelpers.h"
#include "programfolderfixture.h"
#include "recordingdesktop.h"
#include "recordingnotifier.h"
#include "text/textfile.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class Dispatch : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(ProgramFiles(ProgramFolder(folder.path())), notifier,
                                              [](int) { return new FakeWebView; });
        window->setDesktop(&desktop);
        ASSERT_TRUE(window->load());
        view()->clearCalls();
    }
    FakeWebView *view() { return static_cast<FakeWebView *>(window->tabs().currentView()); }
    // A click as the bars deliver it.
    void click(int bar, const QString &key) { Q_EMIT window->bars().buttonClick(bar, key); }
    CommandButton &button(const QString &key) { return window->registry().item(key); }
    QStringList lines(const QString &name) {
        return TextFile::readLines(folder.filePath(name)).value_or(QStringList());
    }

    TemporaryProgramFolder folder;
    RecordingNotifier notifier;
    RecordingDesktop desktop;
    std::unique_ptr<MainWindow> window;
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
    EXPECT_EQ(view()->calls(),
              (QStringList{"goBack", "goForward", "execWB Print", "stop", "execWB PageSetup",
                           "execWB PrintPreview", "execWB Print", "execWB Properties", "execWB Cut",
                           "execWB Copy", "execWB Paste", "execWB SelectAll", "execWB Delete",
                           "goBack", "goForward", "refresh", "goHome"}));
}

TEST_F(Dispatch, KeysActOnlyOnTheirOwnBarAndExactly) {
    click(1, "BACK");      // the tab strip's bar has no commands
    click(2, "BACK");      // BACK is not a shortcut button
    click(0, "back");      // letter case matters
    click(0, "EDIT:STOP"); // a menu key on the toolbar
    EXPECT_TRUE(view()->calls().isEmpty());
    EXPECT_EQ(window->state().options.currentLanguage, "English");
}

TEST_F(Dispatch, ShortcutButtonsOpenTheirServiceWithoutHistory) {
    const LanguageSettings &s = window->state().language.settings();
    for (const char *key : {"GOOGLE", "WIKI", "MAP", "SOCIAL", "EBAY"})
        click(2, key);
    EXPECT_EQ(view()->navigations(),
              (QStringList{s.searchUrl, s.dictionaryUrl, s.mapUrl, s.socialUrl, s.ecommerceUrl}));
    EXPECT_EQ(window->addressBar().currentText(), s.ecommerceUrl);
    EXPECT_TRUE(window->addressBar().history().isEmpty());
    click(3, "EDIT:TRANS");
    EXPECT_EQ(view()->navigations().last(), s.translatorPath);
}

TEST_F(Dispatch, EveryExitKeyEndsTheProgramOnce) {
    for (const auto &[bar, key] : {std::pair{0, "EXIT0"}, {2, "EXIT2"}, {3, "EDIT:EXIT"}}) {
        SetUp();
        QSignalSpy exited(window.get(), &MainWindow::exited);
        click(bar, key);
        EXPECT_EQ(exited.count(), 1) << key;
        EXPECT_EQ(lines("Data/quortspeak.Opt").size(), 6);
    }
}

TEST_F(Dispatch, BarStylesSwitchAndMarkOneItem) {
    click(3, "FILE:XP");
    EXPECT_EQ(window->state().options.selectedBarStyle, 3);
    EXPECT_EQ(window->bars().barStyle(), 3);
    EXPECT_TRUE(button("FILE:XP").checked());
    EXPECT_FALSE(button("FILE:OFFICE").checked());
    click(3, "FILE:MONEY");
    EXPECT_EQ(window->state().options.selectedBarStyle, 2);
    EXPECT_EQ(window->bars().barStyle(), 2);
    EXPECT_FALSE(button("FILE:XP").checked());
    click(3, "FILE:SYSTEM");
    EXPECT_EQ(window->bars().barStyle(), 0);
}

TEST_F(Dispatch, FloatingBarsHideAtOnceAndStopWhenSwitchedOff) {
    button("FILE:FLOATING").setChecked(true); // the item toggles itself before the click
    click(3, "FILE:FLOATING");
    EXPECT_EQ(window->state().options.autoHideBars, 1);
    EXPECT_TRUE(window->timer1().isActive());
    EXPECT_EQ(window->timer1().interval(), 750);
    EXPECT_FALSE(window->state().barsShown);

    Q_EMIT window->bars().menuOpened(3);
    EXPECT_FALSE(window->timer1().isActive());
    Q_EMIT window->bars().menuClosed(3);
    EXPECT_TRUE(window->timer1().isActive());

    button("FILE:FLOATING").setChecked(false);
    click(3, "FILE:FLOATING");
    EXPECT_EQ(window->state().options.autoHideBars, 0);
    EXPECT_FALSE(window->timer1().isActive());
    Q_EMIT window->bars().menuClosed(3);
    EXPECT_FALSE(window->timer1().isActive());
}

TEST_F(Dispatch, TranslateLanguageItemsSwitchSelectionTranslation) {
    ProgramState &state = window->state();
    click(3, "TRANSLANG:German");
    EXPECT_TRUE(button("TRANSLANG:German").checked());
    EXPECT_EQ(state.sourceLanguage, "de");
    EXPECT_EQ(state.translateLanguageItem, "German");
    EXPECT_TRUE(window->timer6().isActive());

    click(3, "TRANSLANG:French"); // straight to another language
    EXPECT_EQ(state.sourceLanguage, "fr");
    EXPECT_FALSE(button("TRANSLANG:German").checked());
    EXPECT_TRUE(window->timer6().isActive());

    click(3, "TRANSLANG:French"); // the active one again: off
    EXPECT_FALSE(button("TRANSLANG:French").checked());
    EXPECT_EQ(state.translateLanguageItem, "");
    EXPECT_FALSE(window->timer6().isActive());
    EXPECT_EQ(state.sourceLanguage, "fr");
}

TEST_F(Dispatch, ACaptionThatMatchesNoRowKeepsThePreviousSourceLanguage) {
    window->state().sourceLanguage = "it";
    button("TRANSLANG:German").setCaption("Klingon");
    click(3, "TRANSLANG:German");
    EXPECT_EQ(window->state().sourceLanguage, "it");
    EXPECT_TRUE(window->timer6().isActive());
}

TEST_F(Dispatch, MyLanguageItemsSetTheTargetLanguage) {
    click(3, "MYLANG:Spanish");
    EXPECT_EQ(window->state().settings.myLanguage, "es");
    EXPECT_TRUE(button("MYLANG:SPANISH").checked());
    window->GO_Exit();
    EXPECT_EQ(lines("Data/Quortspeak.Ini").value(13), "es");
}

TEST_F(Dispatch, ALanguageItemChangesEveryTextAndIsSavedAtOnce) {
    window->tabs().setCaption(0, "Example");
    click(3, "LANG:DEUTSCH");
    EXPECT_EQ(window->state().options.currentLanguage, "Deutsch"); // as the file spells it
    EXPECT_EQ(button("EDIT:COPY").caption(), "Kopieren");
    EXPECT_EQ(button("EDIT:TXT").caption(), "trans_Deutsch.txt");
    EXPECT_EQ(lines("Data/quortspeak.Opt").value(5), "Deutsch");
    EXPECT_EQ(window->tabs().caption(0), ""); // tabs become unopened, pages stay
    EXPECT_TRUE(view()->calls().isEmpty());

    click(3, "LANG:KLINGON"); // no such file: the user is told, German stays
    EXPECT_EQ(button("EDIT:COPY").caption(), "Kopieren");
    EXPECT_EQ(notifier.messages.size(), 1);
}

TEST(DispatchLanguages, ANameThatChangesUnderCaseConversionCanBeChosen) {
    // "Weiß" upper-cased is "WEISS", lower-cased again "weiss": no file has that name.
    TemporaryProgramFolder folder;
    QFile::copy(folder.filePath("languages/Trans_Deutsch.txt"),
                folder.filePath("languages/Trans_Weiß.txt"));
    RecordingNotifier notifier;
    MainWindow window(ProgramFiles(ProgramFolder(folder.path())), notifier,
                      [](int) { return new FakeWebView; });
    ASSERT_TRUE(window.load());
    Q_EMIT window.bars().buttonClick(3, "LANG:WEISS");
    EXPECT_TRUE(notifier.messages.isEmpty()) << notifier.messages.join('|').toStdString();
    EXPECT_EQ(window.state().options.currentLanguage, "Weiß");
    EXPECT_EQ(window.registry().item("EDIT:COPY").caption(), "Kopieren");
    EXPECT_EQ(window.registry().item("EDIT:TXT").caption(), "trans_Weiß.txt");
}

TEST_F(Dispatch, TheBookmarkKeepsTheAddressTypedLast) {
    click(3, "NAVIGATE:PICK"); // nothing typed yet: an empty bookmark
    EXPECT_EQ(lines("Data/QuortBook.bm"), QStringList{""});
    click(3, "NAVIGATE:GO");
    EXPECT_TRUE(view()->calls().isEmpty()); // an empty bookmark does nothing

    window->addressBar().setAddressText("http://127.0.0.1:9/typed");
    window->addressBar().GO_Address(1);
    Q_EMIT view()->beforeNavigate2("http://127.0.0.1:9/followed"); // a link followed
    click(3, "NAVIGATE:PICK");
    EXPECT_EQ(lines("Data/QuortBook.bm"), QStringList{"http://127.0.0.1:9/typed"});

    SetUp(); // a new run
    click(3, "NAVIGATE:GO");
    EXPECT_EQ(view()->calls(), (QStringList{"stop", "navigate http://127.0.0.1:9/typed"}));
    EXPECT_EQ(window->addressBar().currentText(), "http://127.0.0.1:9/typed");
    EXPECT_EQ(window->addressBar().history().size(), 0);
}

TEST_F(Dispatch, PickHomeStoresTheBarsAddress) {
    window->addressBar().setAddressText("http://127.0.0.1:9/home");
    click(3, "NAVIGATE:PICKHOME");
    EXPECT_EQ(lines("Data/quortspeak.Opt").value(4), "http://127.0.0.1:9/home");
}

TEST_F(Dispatch, OnlyWebAddressesAreHandedToTheDesktop) {
    window->addressBar().setAddressText("https://example.org/page");
    click(3, "FILE:EXPLORER");
    EXPECT_EQ(desktop.opened, QStringList{"https://example.org/page"});
    for (const char *text : {"/usr/bin/xterm", "file:///etc/passwd", "javascript:alert(1)",
                             "smb://server/share", "xterm -e sh"}) {
        window->addressBar().setAddressText(text);
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
    EXPECT_TRUE(notifier.messages[0].contains(window->state().language.caption(140)));
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
    window->show();
    click(3, "EDIT:FINDDOC");
    EXPECT_TRUE(window->findBar().isVisible());
    QTest::keyClicks(window->findBar().field(), "ab");
    EXPECT_EQ(view()->calls().filter("findText").last(), "findText ab");
    QTest::keyClick(window->findBar().field(), Qt::Key_Escape);
    EXPECT_FALSE(window->findBar().isVisible());
    EXPECT_EQ(view()->calls().last(), "findText ");
}

TEST_F(Dispatch, ExportsAndTheLinkTableReachTheirOnePlace) {
    QSignalSpy exports(window.get(), &MainWindow::exportRequested);
    QSignalSpy links(window.get(), &MainWindow::linkTableRequested);
    for (const char *key : {"SAVE:HTML", "SAVE:PDF", "SAVE:WORDH", "SAVE:WORDV", "SAVE:EXCEL",
                            "SAVE:PPT", "EDIT:PICTURE"})
        click(3, key);
    click(0, "FAVORITE");
    ASSERT_EQ(exports.count(), 7);
    EXPECT_EQ(exports.at(1).at(0).toString(), "SAVE:PDF");
    EXPECT_EQ(links.count(), 1);
}

TEST_F(Dispatch, AboutAndTheLanguageEditorOpenModallyFromTheirKeys) {
    for (const auto &[bar, key, title] :
         {std::tuple{0, "TORVELLO", 138}, {3, "FILE:TORVELLO", 138}, {3, "LANG:NEW", 209}}) {
        QString seen;
        // The window is modal: look at it from inside its own event loop, then close it.
        QTimer::singleShot(0, [&seen] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                seen = modal->windowTitle();
                modal->close();
            }
        });
        click(bar, key);
        EXPECT_EQ(seen, window->state().language.caption(title)) << key;
    }
}
