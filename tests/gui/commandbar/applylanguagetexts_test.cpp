// ApplyLanguageTexts in both shipped languages.
#include "commandbar/applylanguagetexts.h"
#include "commandbartesthelpers.h"
#include "core/programstate.h"
#include "linktable/linktitles.h"
#include "text/textfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct Expected {
    const char *key;
    bool toolTip;
    int caption; // 0: a setting, checked on its own
};

// The main window's rows of the table of texts that take a caption, written out again here.
const Expected CaptionRows[] = {
    {"EXIT0", true, 32},
    {"FILE", true, 131},
    {"BACK", true, 123},
    {"NEXT", true, 124},
    {"PRINT", true, 43},
    {"SAVE", true, 128},
    {"EDIT", true, 129},
    {"FAVORITE", true, 130},
    {"SEARCH", true, 132},
    {"NAVIGATE", true, 134},
    {"TTS", true, 222},
    {"SPEAK", true, 221},
    {"LANG", true, 194},
    {"EXIT2", true, 32},
    {"MIN", true, 60},
    {"NAVIGATE:PICK", false, 170},
    {"NAVIGATE:GO", false, 169},
    {"NAVIGATE:NEXT", false, 3},
    {"NAVIGATE:BACK", false, 2},
    {"NAVIGATE:REFRESH", false, 126},
    {"NAVIGATE:HOME", false, 63},
    {"NAVIGATE:PICKHOME", false, 135},
    {"FILE:SYSTEM", false, 180},
    {"FILE:OFFICE", false, 172},
    {"FILE:XP", false, 173},
    {"FILE:MONEY", false, 174},
    {"FILE:FLOATING", false, 38},
    {"FILE:TORVELLO", false, 138},
    {"FILE:HELP", false, 175},
    {"EDIT:STOP", false, 125},
    {"EDIT:CUT", false, 157},
    {"EDIT:COPY", false, 158},
    {"EDIT:PASTE", false, 159},
    {"EDIT:DELETE", false, 18},
    {"EDIT:PAGESET", false, 41},
    {"EDIT:PREVIEW", false, 42},
    {"EDIT:PRINT", false, 43},
    {"EDIT:PROPERTIES", false, 177},
    {"EDIT:FINDDOC", false, 166},
    {"EDIT:SELECT", false, 23},
    {"EDIT:VIEW", false, 35},
    {"EDIT:PICTURE", false, 176},
    {"EDIT:TRANS", false, 189},
    {"EDIT:EXIT", false, 1},
    {"FILE:INTERNET", false, 161},
    {"FILE:EXPLORER", false, 160},
    {"FILE:SECURITY", false, 162},
    {"FILE:VOLUME", false, 97},
    {"SAVE:HTML", false, 145},
    {"SAVE:WORDH", false, 146},
    {"SAVE:WORDV", false, 147},
    {"SAVE:EXCEL", false, 148},
    {"SAVE:PPT", false, 149},
    {"SAVE:PDF", false, 206},
    {"LANG:NEW", false, 209},
    {"TORVELLO", true, 196},
};

QString textOf(const CommandButton *button, bool toolTip) {
    return toolTip ? button->toolTip() : button->caption();
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
    const LanguageFile *languages[] = {&english, &german};
    for (const LanguageFile *language : languages) {
        ApplyLanguageTexts(registry, *language, "english");
        for (const Expected &row : CaptionRows) {
            EXPECT_EQ(textOf(button(row.key), row.toolTip), language->caption(row.caption))
                << row.key;
            EXPECT_FALSE(textOf(button(row.key), row.toolTip).isEmpty()) << row.key;
        }
        EXPECT_EQ(button("GOOGLE")->toolTip(), language->settings().searchDescr);
        EXPECT_EQ(button("WIKI")->toolTip(), language->settings().dictionaryDescr);
        EXPECT_EQ(button("MAP")->toolTip(), language->settings().mapDescr);
        EXPECT_EQ(button("SOCIAL")->toolTip(), language->settings().socialDescr);
        EXPECT_EQ(button("EBAY")->toolTip(), language->settings().ecommerceDescr);
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

TEST_F(LanguageTextsTest, AFileWithoutCaptionsGivesEmptyTexts) {
    ApplyLanguageTexts(registry, english, "English");
    english.parse({"[Settings]", "SEARCH_DESCR=Search"});
    ApplyLanguageTexts(registry, english, "bare");
    for (const Expected &row : CaptionRows)
        EXPECT_TRUE(textOf(button(row.key), row.toolTip).isEmpty()) << row.key;
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
    targets.linkTitles = &titles;

    ApplyLanguageTexts(registry, english, "English", targets);
    EXPECT_EQ(titles.title(1), "News");
    EXPECT_EQ(titles.title(2), "Group 2");
    EXPECT_EQ(titles.title(150), "Group 150");
    EXPECT_EQ(titles.title(151), "Beyond");

    ApplyLanguageTexts(registry, shippedLanguage("Deutsch"), "Deutsch", targets);
    EXPECT_EQ(titles.title(1), "News");
    EXPECT_EQ(titles.title(2), "Gruppe 2");
}

TEST(LanguageTexts, EveryWindowGetsItsTextsFirstMainThenEditorThenDialog) {
    int main = 0;
    int editor = 0;
    int dialog = 0;
    for (const LanguageTexts::Text &row : LanguageTexts::table()) {
        main += row.window == LanguageTexts::Window::Main ? 1 : 0;
        editor += row.window == LanguageTexts::Window::LanguageEditor ? 1 : 0;
        dialog += row.window == LanguageTexts::Window::InputDialog ? 1 : 0;
    }
    EXPECT_EQ(main, 62);
    EXPECT_EQ(editor, 2);
    EXPECT_EQ(dialog, 2);
    EXPECT_EQ(QString(LanguageTexts::table()[0].key), "EXIT0");
    EXPECT_EQ(QString(LanguageTexts::table()[LanguageTexts::table().size() - 1].key), "OKNO");
}

} // namespace
