// ApplyLanguageTexts in both shipped languages.
#include "commandbar/applylanguagetexts.h"
#include "commandbar/maincommandtable.h"
#include "commandbartesthelpers.h"
#include "core/programstate.h"
#include "linktable/linktitles.h"
#include "text/textfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// The text a row of the command table put on its button.
QString shownText(const CommandRegistry &registry, const MainCommandTable::Command &command) {
    const CommandButton &button = registry.item(command.key);
    return command.text.property == CommandText::Property::ToolTip ? button.toolTip()
                                                                   : button.caption();
}

class LanguageTextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        images = shippedImages();
        const MainCommandSet set =
            MainCommands::BuildMainCommandSet(registry, images, english, shippedFolder());
        MainCommands::BuildMainBars(registry, english, set);
    }
    CommandButton *button(const char *key) const { return registry.button(key); }

    CommandRegistry registry;
    ImageList images;
    LanguageFile english = shippedLanguage("English");
};

TEST_F(LanguageTextsTest, EveryMainRowInEnglishThenGerman) {
    const LanguageFile german = shippedLanguage("Deutsch");
    for (const LanguageFile *language : {&std::as_const(english), &german}) {
        ApplyLanguageTexts(registry, *language, "english");
        for (const MainCommandTable::Command &command : MainCommandTable::commands()) {
            if (command.text.property != CommandText::Property::None) {
                EXPECT_EQ(shownText(registry, command), command.text.of(*language, "english"))
                    << command.key;
            }
        }
        EXPECT_EQ(button("MAP")->toolTip(), language->settings().mapDescr);
    }
}

TEST_F(LanguageTextsTest, CopyShowsCopyThenKopieren) {
    ApplyLanguageTexts(registry, english, "English");
    EXPECT_EQ(button("EDIT:COPY")->caption(), "Copy");
    EXPECT_EQ(button("GOOGLE")->toolTip(), "Search the web with DuckDuckGo");
    EXPECT_EQ(button("EDIT:TXT")->caption(), "trans_English.txt");

    // As the dispatcher does on a language switch: the same tables, loaded again.
    english.load(LanguageFile::pathFor(shippedFolder(), "Deutsch"));
    ApplyLanguageTexts(registry, english, "deutsch");
    EXPECT_EQ(button("EDIT:COPY")->caption(), "Kopieren");
    EXPECT_EQ(button("GOOGLE")->toolTip(), "Mit DuckDuckGo im Web suchen");
    EXPECT_EQ(button("EDIT:TXT")->caption(), "trans_Deutsch.txt");
}

TEST_F(LanguageTextsTest, FromTheProgramWideState) {
    ProgramState state;
    state.language = shippedLanguage("Deutsch");
    state.options.currentLanguage = "deutsch";
    ApplyLanguageTexts(registry, state);
    EXPECT_EQ(button("EDIT:COPY")->caption(), "Kopieren");
    EXPECT_EQ(button("EDIT:TXT")->caption(), "trans_Deutsch.txt");
}

TEST_F(LanguageTextsTest, LanguageFileNameInProperCase) {
    ApplyLanguageTexts(registry, english, "NEW zealand english");
    EXPECT_EQ(button("EDIT:TXT")->caption(), "trans_New Zealand English.txt");
}

TEST_F(LanguageTextsTest, AFileWithoutMapDescrKeepsThePreviousTooltip) {
    ApplyLanguageTexts(registry, english, "English");
    QStringList lines = *TextFile::readLines(LanguageFile::pathFor(shippedFolder(), "Deutsch"));
    lines.removeIf([](const QString &line) { return line.startsWith("MAP_DESCR"); });
    english.parse(lines);
    ApplyLanguageTexts(registry, english, "deutsch");
    EXPECT_EQ(button("MAP")->toolTip(), "Open the map on OpenStreetMap");
    EXPECT_EQ(button("WIKI")->toolTip(), "Ein Wort im Wiktionary nachschlagen");
    EXPECT_EQ(button("EDIT:COPY")->caption(), "Kopieren");
}

// The captions every file must give come out empty; those added later stand in English.
TEST_F(LanguageTextsTest, AFileWithoutCaptionsGivesEmptyTexts) {
    ApplyLanguageTexts(registry, english, "English");
    english.parse({"[Settings]", "SEARCH_DESCR=Search"});
    ApplyLanguageTexts(registry, english, "bare");
    for (const MainCommandTable::Command &command : MainCommandTable::commands()) {
        if (command.text.property != CommandText::Property::None &&
            command.text.source == CommandText::Source::Caption) {
            EXPECT_EQ(shownText(registry, command).isEmpty(),
                      command.text.caption <= LanguageFile::RequiredCaptions)
                << command.key;
        }
    }
    EXPECT_EQ(button("GOOGLE")->toolTip(), "Search");
    EXPECT_EQ(button("EBAY")->toolTip(), "Shop on eBay");
}

TEST(LanguageTexts, AnUnknownKeyStopsWithTheError) {
    CommandRegistry registry;
    for (const char *key : {"EXIT0", "FILE", "BACK"})
        registry.buttons().add(key, 0, ButtonStyle::Plain);
    const LanguageFile english = shippedLanguage("English");
    try {
        ApplyLanguageTexts(registry, english, "English");
        FAIL() << "no error";
    } catch (const std::out_of_range &error) {
        EXPECT_NE(std::string(error.what()).find("NEXT"), std::string::npos) << error.what();
    }
    EXPECT_EQ(registry.button("EXIT0")->toolTip(), "Close");
    EXPECT_EQ(registry.button("BACK")->toolTip(), "Go back one page");
}

TEST_F(LanguageTextsTest, SecondaryWindowsAreSkippedUntilTheyCanBeLoaded) {
    // Neither window exists: their rows are left alone, the rest is applied.
    EXPECT_NO_THROW(ApplyLanguageTexts(registry, english, "English"));
    EXPECT_FALSE(registry.buttons().contains("EXIT3"));

    int editorLoads = 0;
    int dialogLoads = 0;
    LanguageTexts::Targets targets;
    targets.loadLanguageEditor = [&] {
        ++editorLoads;
        if (!registry.buttons().contains("EXIT3")) {
            registry.buttons().add("EXIT3", 0, ButtonStyle::Plain)->setShowCaption(true);
            registry.buttons().add("SAVE5", 1, ButtonStyle::Plain)->setShowCaption(true);
        }
    };
    targets.loadInputDialog = [&] {
        ++dialogLoads;
        if (!registry.buttons().contains("OKYES")) {
            registry.buttons().add("OKYES", 0, ButtonStyle::Plain);
            registry.buttons().add("OKNO", 1, ButtonStyle::Plain);
        }
    };
    QString title;
    targets.setInputDialogTitle = [&](const QString &text) { title = text; };
    ApplyLanguageTexts(registry, english, "English", targets);
    EXPECT_EQ(editorLoads, 1);
    EXPECT_EQ(dialogLoads, 1);
    EXPECT_EQ(registry.button("EXIT3")->caption(), english.caption(210));
    EXPECT_EQ(registry.button("SAVE5")->caption(), "Save");
    EXPECT_EQ(registry.button("OKYES")->caption(), "Yes");
    EXPECT_EQ(registry.button("OKNO")->caption(), "No");
    EXPECT_EQ(title, "Leave without saving?");

    const LanguageFile german = shippedLanguage("Deutsch");
    ApplyLanguageTexts(registry, german, "Deutsch", targets);
    EXPECT_EQ(editorLoads, 2);
    EXPECT_EQ(registry.button("OKNO")->caption(), german.caption(214));
    EXPECT_EQ(title, german.caption(213));
}

TEST_F(LanguageTextsTest, TheMainWindowsOtherControls) {
    QString move;
    QString progress;
    LanguageTexts::Targets targets;
    targets.setMoveButtonsToolTip = [&](const QString &text) { move = text; };
    targets.setProgressBarText = [&](const QString &text) { progress = text; };
    ApplyLanguageTexts(registry, english, "English", targets);
    EXPECT_EQ(move, "Drag to move the window");
    EXPECT_EQ(progress, "QuortTrans");
}

TEST_F(LanguageTextsTest, EmptyLinkGroupsAreRetitledInTheNewLanguage) {
    QTemporaryDir folder;
    LinkTitles titles(folder.filePath("Links.Bok"));
    titles.setTitle(1, "News");
    titles.setCount(1, 4);
    titles.setTitle(2, "Old");
    titles.setCount(2, 0);
    titles.setTitle(151, "Beyond");
    titles.setCount(151, 0);
    LanguageTexts::Targets targets;
    targets.retitleEmptyGroups = [&titles](const QString &title) {
        titles.retitleEmptyGroups(title, 150);
    };

    ApplyLanguageTexts(registry, english, "English", targets);
    EXPECT_EQ(titles.title(1), "News");
    EXPECT_EQ(titles.title(2), "Group 2");
    EXPECT_EQ(titles.title(150), "Group 150");
    EXPECT_EQ(titles.title(151), "Beyond");

    ApplyLanguageTexts(registry, shippedLanguage("Deutsch"), "Deutsch", targets);
    EXPECT_EQ(titles.title(1), "News");
    EXPECT_EQ(titles.title(2), "Gruppe 2");
}

} // namespace
