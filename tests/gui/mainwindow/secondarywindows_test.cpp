// The secondary windows' buttons and bars in the shared collections, and what
// ApplyLanguageTexts reaches of them.
#include "commandbar/applylanguagetexts.h"
#include "commandbar/windowbars.h"
#include "mainwindow/secondarywindows.h"
#include "windows/inputdialog.h"
#include "windows/languageeditor.h"
#include "windows/windowstestsupport.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <stdexcept>

namespace {

using WindowBars::Window;

class WindowBarsTest : public WindowsTest {};

QStringList barKeys(const CommandRegistry &registry, const char *bar) {
    const CommandBar *found = registry.bars().find(QLatin1String(bar));
    return found ? found->keys() : QStringList{QStringLiteral("<no bar>")};
}

TEST_F(WindowBarsTest, EachWindowBuildsItsBarWithItsEntriesInOrder) {
    WindowBars::ensureBuilt(registry, Window::About);
    WindowBars::ensureBuilt(registry, Window::InputDialog);
    WindowBars::ensureBuilt(registry, Window::LanguageEditor);

    EXPECT_EQ(barKeys(registry, "STANDARD7"),
              QStringList({"ABOUTOK", "SEP13", "ABOUTHELP", "SEP2"}));
    EXPECT_EQ(barKeys(registry, "STANDARD6"),
              QStringList({"OKYES", "SEP13", "NIL6", "SEP2", "OKNO"}));
    EXPECT_EQ(barKeys(registry, "STANDARD5"),
              QStringList({"SEP1", "EXIT3", "SEP13", "SAVE5", "SEP2"}));
}

TEST_F(WindowBarsTest, BuildingAgainInTheSameRunReusesTheBar) {
    CommandBar &first = WindowBars::ensureBuilt(registry, Window::InputDialog);
    const int bars = registry.bars().count();
    const int buttons = registry.buttons().count();

    CommandBar *again = nullptr;
    EXPECT_NO_THROW(again = &WindowBars::ensureBuilt(registry, Window::InputDialog));
    EXPECT_EQ(again, &first);
    EXPECT_EQ(registry.bars().count(), bars);
    EXPECT_EQ(registry.buttons().count(), buttons);
}

TEST_F(WindowBarsTest, CreatingAWindowsButtonsTwiceFails) {
    WindowBars::BuildWindowButtons(registry, Window::About);
    EXPECT_THROW(WindowBars::BuildWindowButtons(registry, Window::About), std::invalid_argument);
    WindowBars::BuildWindowBar(registry, Window::About);
    EXPECT_THROW(WindowBars::BuildWindowBar(registry, Window::About), std::invalid_argument);
}

TEST_F(WindowBarsTest, WithoutTheMainSeparatorsNoHalfBarIsLeft) {
    CommandRegistry bare;
    WindowBars::BuildWindowButtons(bare, Window::LanguageEditor);
    EXPECT_THROW(WindowBars::BuildWindowBar(bare, Window::LanguageEditor), std::out_of_range);
    EXPECT_FALSE(bare.bars().contains(QStringLiteral("STANDARD5")));
}

TEST_F(WindowBarsTest, LanguageTextsReachTheButtonsOfWindowsNeverOpened) {
    SecondaryWindows windows(context());
    LanguageTexts::Targets targets;
    windows.addTo(targets);

    ASSERT_NO_THROW(LanguageTexts::apply(registry, language, QStringLiteral("English"), targets));
    EXPECT_EQ(registry.item(QStringLiteral("EXIT3")).caption(), QStringLiteral("Close"));
    EXPECT_EQ(registry.item(QStringLiteral("SAVE5")).caption(), QStringLiteral("Save"));
    EXPECT_EQ(registry.item(QStringLiteral("OKYES")).caption(), QStringLiteral("Yes"));
    EXPECT_EQ(registry.item(QStringLiteral("OKNO")).caption(), QStringLiteral("No"));

    // A change of language applies the texts again onto the same buttons.
    loadLanguage(QStringLiteral("Deutsch"));
    ASSERT_NO_THROW(LanguageTexts::apply(registry, language, QStringLiteral("Deutsch"), targets));
    EXPECT_EQ(registry.item(QStringLiteral("EXIT3")).caption(), QString::fromUtf8("Schließen"));
    EXPECT_EQ(registry.item(QStringLiteral("SAVE5")).caption(), QStringLiteral("Speichern"));
    EXPECT_EQ(registry.item(QStringLiteral("OKYES")).caption(), QStringLiteral("Ja"));
    EXPECT_EQ(registry.item(QStringLiteral("OKNO")).caption(), QStringLiteral("Nein"));
}

TEST_F(WindowBarsTest, LanguageTextsRetitleAnOpenInputDialog) {
    SecondaryWindows windows(context());
    LanguageTexts::Targets targets;
    windows.addTo(targets);
    loadLanguage(QStringLiteral("Deutsch"));

    QString shown;
    whenModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<InputDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        LanguageTexts::apply(registry, language, QStringLiteral("Deutsch"), targets);
        shown = dialog->findChild<QLabel *>(QStringLiteral("labTitle"))->text();
    });
    windows.askInputDialog(nullptr);

    EXPECT_EQ(shown, QString::fromUtf8("Ohne Speichern schließen?"));
}

TEST_F(WindowBarsTest, TheMainWindowsWayAsksWithTheRealDialog) {
    SecondaryWindows windows(context());
    bool closedByYes = false;
    whenModal([&](QWidget *modal) {
        auto *editor = qobject_cast<LanguageEditor *>(modal);
        ASSERT_NE(editor, nullptr);
        editor->textArea()->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor->textArea(), QStringLiteral("x"));
        QString question;
        whenModal([&](QWidget *dialog) {
            auto *input = qobject_cast<InputDialog *>(dialog);
            ASSERT_NE(input, nullptr);
            question = input->title();
            clickBar(input->toolBar(), QStringLiteral("OKYES"));
        });
        clickBar(editor->toolBar(), QStringLiteral("EXIT3"));
        EXPECT_EQ(question, QStringLiteral("Leave without saving?"));
        closedByYes = !editor->isVisible();
    });
    windows.showLanguageEditor(nullptr);
    EXPECT_TRUE(closedByYes);
    EXPECT_EQ(state.dialogAnswer, 1);
}

TEST_F(WindowBarsTest, TheMainWindowsWayShowsTheAboutWindow) {
    SecondaryWindows windows(context());
    QString title;
    whenModal([&](QWidget *modal) {
        ASSERT_NE(modal, nullptr);
        title = modal->windowTitle();
    });
    windows.showAbout(nullptr);
    EXPECT_EQ(title, QStringLiteral("About QuortTrans"));
}

} // namespace
