// The language editor: the English file to start from, the question before leaving, and
// the new language file it saves.
#include "commandbar/maincommandset.h"
#include "commandbar/windowcommandbar.h"
#include "windows/inputdialog.h"
#include "windows/languageeditor.h"
#include "windowstestsupport.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>

namespace {

class LanguageEditorTest : public WindowsTest {
protected:
    // The input dialog as the editor shows it, answered by a click on `answer`; "" closes
    // it with the close box.
    void answerWith(LanguageEditor &editor, const QString &answer) {
        editor.setQuestion([this, answer](QWidget *parent) {
            ++questions;
            InputDialog dialog(context(), parent);
            dialog.show();
            if (answer.isEmpty())
                dialog.close();
            else
                clickBar(dialog.toolBar(), answer);
        });
    }

    // The name prompt answered with `name`; nothing stands for Cancel.
    void nameWith(LanguageEditor &editor, std::optional<QString> name) {
        editor.setNamePrompt([this, name](QWidget *, const QString &title) {
            promptTitles.append(title);
            return name;
        });
    }

    void type(LanguageEditor &editor, const QString &text) {
        editor.textArea()->moveCursor(QTextCursor::End);
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(editor.textArea(), Qt::Key_Return);
            QTest::keyClicks(editor.textArea(), lines.at(i));
        }
    }

    QStringList languageFolder() const {
        return QDir(programFolder.filePath(QStringLiteral("languages")))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }

    int questions = 0;
    QStringList promptTitles;
};

TEST_F(LanguageEditorTest, StartsWithTheEnglishFile) {
    LanguageEditor editor(context());
    editor.show();

    const QString english =
        QString::fromUtf8(fileBytes(languagesFile(QStringLiteral("Trans_English.txt"))));
    ASSERT_FALSE(english.isEmpty());
    EXPECT_EQ(editor.textArea()->toPlainText(),
              QString(english).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("New language..."));
    EXPECT_TRUE(editor.isModal());
    EXPECT_FALSE(state.editedFlag);
    EXPECT_TRUE(notifier.messages.isEmpty());
}

TEST_F(LanguageEditorTest, TakesHalfTheScreenWithTheBarAboveTheText) {
    LanguageEditor editor(context());
    editor.show();
    const QSize screen = editor.screen()->geometry().size();
    EXPECT_EQ(editor.size(), screen / 2);
    EXPECT_EQ(shownEntries(editor.toolBar()), QStringList({"|", "EXIT3", "|", "SAVE5", "|"}));
    EXPECT_EQ(editor.textArea()->y(), editor.toolBar()->geometry().bottom() + 1);
    EXPECT_EQ(editor.textArea()->width(), editor.width());
    EXPECT_EQ(barAction(editor.toolBar(), QStringLiteral("EXIT3"))->text(),
              QStringLiteral("Close"));
    EXPECT_EQ(barAction(editor.toolBar(), QStringLiteral("SAVE5"))->text(), QStringLiteral("Save"));
    EXPECT_EQ(editor.textArea()->accessibleName(), QStringLiteral("Language file"));
}

TEST_F(LanguageEditorTest, WithoutTypingCloseLeavesWithoutAQuestion) {
    LanguageEditor editor(context());
    answerWith(editor, QStringLiteral("OKNO"));
    editor.show();
    clickBar(editor.toolBar(), QStringLiteral("EXIT3"));
    EXPECT_EQ(questions, 0);
    EXPECT_FALSE(editor.isVisible());
}

TEST_F(LanguageEditorTest, AfterTypingNoKeepsTheEditorOpen) {
    LanguageEditor editor(context());
    answerWith(editor, QStringLiteral("OKNO"));
    editor.show();
    type(editor, QStringLiteral("x"));
    EXPECT_TRUE(state.editedFlag);

    clickBar(editor.toolBar(), QStringLiteral("EXIT3"));
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(state.dialogAnswer, 0);
    EXPECT_TRUE(editor.isVisible());
}

TEST_F(LanguageEditorTest, AfterTypingYesCloses) {
    LanguageEditor editor(context());
    answerWith(editor, QStringLiteral("OKYES"));
    editor.show();
    type(editor, QStringLiteral("x"));
    clickBar(editor.toolBar(), QStringLiteral("EXIT3"));
    EXPECT_EQ(questions, 1);
    EXPECT_FALSE(editor.isVisible());
}

TEST_F(LanguageEditorTest, TheQuestionClosedWithoutAnAnswerKeepsTheLastOne) {
    LanguageEditor editor(context());
    editor.show();
    type(editor, QStringLiteral("x"));
    // First use in the run: no answer yet, so the editor stays.
    answerWith(editor, QString());
    clickBar(editor.toolBar(), QStringLiteral("EXIT3"));
    EXPECT_TRUE(editor.isVisible());
    // After a yes given earlier in the run, the close box leaves the 1 and the editor goes.
    state.dialogAnswer = 1;
    clickBar(editor.toolBar(), QStringLiteral("EXIT3"));
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(questions, 2);
}

TEST_F(LanguageEditorTest, TypingIsRememberedForTheWholeRun) {
    {
        LanguageEditor editor(context());
        answerWith(editor, QStringLiteral("OKYES"));
        editor.show();
        type(editor, QStringLiteral("x"));
        nameWith(editor, QStringLiteral("Klingon"));
        clickBar(editor.toolBar(), QStringLiteral("SAVE5"));
        EXPECT_TRUE(editor.isVisible()); // saving does not close
        EXPECT_TRUE(state.editedFlag);   // nor does it count as leaving unedited
        clickBar(editor.toolBar(), QStringLiteral("EXIT3"));
        EXPECT_FALSE(editor.isVisible());
    }
    LanguageEditor again(context());
    answerWith(again, QStringLiteral("OKNO"));
    again.show();
    clickBar(again.toolBar(), QStringLiteral("EXIT3"));
    EXPECT_EQ(questions, 2);
    EXPECT_TRUE(again.isVisible());
}

TEST_F(LanguageEditorTest, EscapeAsksLikeClose) {
    LanguageEditor editor(context());
    answerWith(editor, QStringLiteral("OKNO"));
    editor.show();
    type(editor, QStringLiteral("x"));
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(editor.isVisible());
}

TEST_F(LanguageEditorTest, SaveWritesTheTextWithCrLfUnderTheGivenName) {
    LanguageEditor editor(context());
    editor.show();
    type(editor, QStringLiteral("' Klingon\n\"Qapla'\""));
    nameWith(editor, QStringLiteral("Klingon"));
    clickBar(editor.toolBar(), QStringLiteral("SAVE5"));

    EXPECT_EQ(promptTitles, QStringList{QStringLiteral("Name of the new language")});
    const QString saved = languagesFile(QStringLiteral("trans_Klingon.Txt"));
    ASSERT_TRUE(QFileInfo(saved).isFile()) << languageFolder().join(' ').toStdString();
    const QByteArray english = fileBytes(languagesFile(QStringLiteral("Trans_English.txt")));
    EXPECT_EQ(fileBytes(saved), english + "' Klingon\r\n\"Qapla'\"");
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages.first().contains("The new language file was saved."));
    EXPECT_TRUE(notifier.messages.first().contains("after the next start"));
}

TEST_F(LanguageEditorTest, TheSavedLanguageIsReadUnderItsName) {
    LanguageEditor editor(context());
    editor.show();
    // Caption 1 of the new language.
    QPlainTextEdit *text = editor.textArea();
    text->setPlainText(
        text->toPlainText().replace(QStringLiteral("\"Exit\""), QStringLiteral("\"Mej\"")));
    nameWith(editor, QStringLiteral("Klingon"));
    clickBar(editor.toolBar(), QStringLiteral("SAVE5"));

    LanguageFile klingon;
    ASSERT_TRUE(klingon.load(LanguageFile::pathFor(folder, QStringLiteral("KLINGON"))));
    EXPECT_EQ(klingon.caption(1), QStringLiteral("Mej"));
    EXPECT_EQ(klingon.caption(209), QStringLiteral("New language..."));
    // The next start lists it in the language menu.
    QStringList names;
    for (const QString &file : MainCommands::languageFiles(folder))
        names.append(MainCommands::languageName(file));
    EXPECT_TRUE(names.contains(QStringLiteral("Klingon"))) << names.join(' ').toStdString();
}

TEST_F(LanguageEditorTest, BadNamesAreRefusedAndNothingIsWritten) {
    LanguageEditor editor(context());
    editor.show();
    const QStringList before = languageFolder();
    const QStringList outside = QDir(programFolder.path()).entryList(QDir::AllEntries);

    for (const char *name : {"../x", "a/b", "a\tb", "con:x", "a\\b", "x..", "a*b"}) {
        notifier.messages.clear();
        nameWith(editor, QString::fromLatin1(name));
        clickBar(editor.toolBar(), QStringLiteral("SAVE5"));
        ASSERT_EQ(notifier.messages.size(), 1) << name;
        EXPECT_TRUE(notifier.messages.first().contains(
            QStringLiteral("The name contains characters that are not allowed.")))
            << name;
    }
    for (const std::optional<QString> &nothing :
         {std::optional<QString>(QString()), std::optional<QString>(QStringLiteral("  ")),
          std::optional<QString>()}) {
        notifier.messages.clear();
        nameWith(editor, nothing);
        clickBar(editor.toolBar(), QStringLiteral("SAVE5"));
        EXPECT_TRUE(notifier.messages.isEmpty());
    }
    EXPECT_EQ(languageFolder(), before);
    EXPECT_EQ(QDir(programFolder.path()).entryList(QDir::AllEntries), outside);
    EXPECT_TRUE(editor.isVisible());
}

TEST_F(LanguageEditorTest, AnExistingLanguageIsReplacedOnlyAfterYes) {
    const QString german = languagesFile(QStringLiteral("Trans_Deutsch.txt"));
    const QByteArray original = fileBytes(german);
    LanguageEditor editor(context());
    editor.show();
    editor.textArea()->setPlainText(QStringLiteral("\"Neu\"\n"));
    nameWith(editor, QStringLiteral("deutsch"));

    notifier.answer = false;
    clickBar(editor.toolBar(), QStringLiteral("SAVE5"));
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages.first().contains(
        QStringLiteral("The file already exists. Do you want to replace it?")));
    EXPECT_EQ(fileBytes(german), original);

    notifier.answer = true;
    notifier.messages.clear();
    clickBar(editor.toolBar(), QStringLiteral("SAVE5"));
    ASSERT_EQ(notifier.messages.size(), 2);
    EXPECT_EQ(fileBytes(german), QByteArray("\"Neu\"\r\n"));
    // One German file, not two spelled differently.
    EXPECT_EQ(languageFolder().filter(QStringLiteral("deutsch"), Qt::CaseInsensitive).size(), 1);
}

TEST_F(LanguageEditorTest, AFailedWriteIsReported) {
    const QString inTheWay = languagesFile(QStringLiteral("trans_Klingon.Txt"));
    ASSERT_TRUE(QDir().mkpath(inTheWay + QStringLiteral("/inside")));
    LanguageEditor editor(context());
    editor.show();
    nameWith(editor, QStringLiteral("Klingon"));
    clickBar(editor.toolBar(), QStringLiteral("SAVE5"));

    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages.first().contains(QStringLiteral("The file could not be saved.")));
    EXPECT_TRUE(notifier.messages.first().contains(inTheWay));
    EXPECT_TRUE(QFileInfo(inTheWay).isDir());
    EXPECT_TRUE(editor.isVisible());
}

TEST_F(LanguageEditorTest, WithoutTheEnglishFileTheEditorOpensEmptyAndSaysSo) {
    const QString english = languagesFile(QStringLiteral("Trans_English.txt"));
    ASSERT_TRUE(QFile::remove(english));
    LanguageEditor editor(context());
    editor.show();

    EXPECT_TRUE(editor.textArea()->toPlainText().isEmpty());
    EXPECT_TRUE(editor.isVisible());
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(
        notifier.messages.first().contains(QStringLiteral("The file could not be opened.")));
    EXPECT_TRUE(notifier.messages.first().contains(
        programFolder.filePath(QStringLiteral("languages/trans_english.txt"))));
}

TEST_F(LanguageEditorTest, ClicksCarryIndexFiveAndOtherIndexesAreIgnored) {
    LanguageEditor editor(context());
    QSignalSpy clicks(&editor.commandBar().presenter(), &CommandBarPresenter::buttonClick);
    nameWith(editor, QStringLiteral("Klingon"));
    editor.show();

    editor.buttonClick(6, QStringLiteral("SAVE5"));
    editor.buttonClick(7, QStringLiteral("EXIT3"));
    EXPECT_TRUE(promptTitles.isEmpty());
    EXPECT_TRUE(editor.isVisible());

    clickBar(editor.toolBar(), QStringLiteral("EXIT3"));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 5);
    EXPECT_FALSE(editor.isVisible());
}

TEST_F(LanguageEditorTest, OpensClosesAndReopensWithTheSameBar) {
    const QStringList bar{"|", "EXIT3", "|", "SAVE5", "|"};
    const int bars = registry.bars().count();
    for (int opening = 0; opening < 3; ++opening) {
        LanguageEditor editor(context());
        editor.show();
        EXPECT_EQ(shownEntries(editor.toolBar()), bar) << "opening " << opening;
        EXPECT_FALSE(editor.textArea()->toPlainText().isEmpty());
        clickBar(editor.toolBar(), QStringLiteral("EXIT3"));
        EXPECT_FALSE(editor.isVisible());
    }
    EXPECT_EQ(registry.bars().count(), bars + 1);
}

} // namespace
