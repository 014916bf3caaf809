// BuildMainCommandSet and BuildMainBars: the items generated from the language files.
#include "commandbartesthelpers.h"
#include "text/textcase.h"

#include <QDir>
#include <QTabBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct Built {
    CommandRegistry registry;
    ImageList images;
    MainCommandSet set;
};

// BuildMainCommandSet and BuildMainBars over a program folder, with the given images.
void build(Built &built, const ProgramFolder &folder, const LanguageFile &language,
           QWidget *tabStrip = nullptr, int width = 0) {
    built.set = MainCommands::BuildMainCommandSet(built.registry, built.images, language, folder,
                                                  tabStrip, width);
    MainCommands::BuildMainBars(built.registry, language, built.set);
}

class ShippedCommandSet : public ::testing::Test {
protected:
    void SetUp() override {
        built.images = shippedImages();
        imagesBefore = built.images.count();
        build(built, shippedFolder(), english, &tabStrip, 587);
    }
    CommandButton *button(const char *key) const { return built.registry.button(key); }

    LanguageFile english = shippedLanguage("English");
    QTabBar tabStrip;
    Built built;
    int imagesBefore = 0;
};

TEST_F(ShippedCommandSet, LanguageItemsFromTheShippedFiles) {
    EXPECT_EQ(built.set.installedLanguages, (QStringList{"Deutsch", "English"}));
    EXPECT_EQ(barKeys(built.registry, "LANG"),
              (QStringList{"LANG:DEUTSCH", "LANG:ENGLISH", "LANG:NEW"}));
    const CommandButton *german = button("LANG:DEUTSCH");
    EXPECT_EQ(german->caption(), "Deutsch");
    EXPECT_EQ(german->toolTip(), "Trans_Deutsch.txt");
    EXPECT_EQ(german->style(), ButtonStyle::Option);
    EXPECT_GE(german->icon(), 104);
    EXPECT_EQ(built.images.key(german->icon()), "de");
    EXPECT_EQ(built.images.key(button("LANG:ENGLISH")->icon()), "en");
    EXPECT_FALSE(built.images.picture(button("LANG:ENGLISH")->icon()).isNull());
}

TEST_F(ShippedCommandSet, TranslationItemsPerRowWithTheirIcons) {
    const int rows = english.lastTranslationRow() + 1;
    ASSERT_EQ(rows, 36);
    EXPECT_EQ(built.set.translationIconBase, imagesBefore);
    EXPECT_EQ(built.images.count(), imagesBefore + rows);

    QStringList translate;
    QStringList mine;
    for (int row = 0; row < rows; ++row) {
        const QString name = english.translationRow(row).name;
        translate.append("TRANSLANG:" + name);
        mine.append("MYLANG:" + name);
        for (const QString &key : {translate.last(), mine.last()}) {
            const CommandButton *item = built.registry.button(key);
            EXPECT_EQ(item->style(), ButtonStyle::Option) << key.toStdString();
            EXPECT_EQ(item->caption(), TextCase::proper(name));
            EXPECT_EQ(item->icon(), imagesBefore + row);
        }
        EXPECT_EQ(built.images.key(imagesBefore + row), english.translationRow(row).code + ".ico");
        EXPECT_FALSE(built.images.picture(imagesBefore + row).isNull()) << row;
    }
    // The page command follows the languages, after a separator.
    EXPECT_EQ(barKeys(built.registry, "TTS"),
              (translate + QStringList{"TTS:PAGE:SEPARATOR", "TTS:PAGE"}));
    EXPECT_EQ(barKeys(built.registry, "SPEAK"), mine);
    EXPECT_EQ(translate.first(), "TRANSLANG:English");
    EXPECT_EQ(mine.at(1), "MYLANG:German");
}

TEST(MainCommandSet, GermanRowsGiveGermanItems) {
    Built built;
    built.images = shippedImages();
    build(built, shippedFolder(), shippedLanguage("Deutsch"));
    const CommandButton *french = built.registry.button("TRANSLANG:Französisch");
    EXPECT_EQ(french->caption(), "Französisch");
    EXPECT_EQ(built.registry.button("MYLANG:FRANZÖSISCH"),
              built.registry.button("MYLANG:Französisch"));
    EXPECT_EQ(built.registry.bar("TTS")->at(1)->key(), "TRANSLANG:Deutsch");
}

TEST(MainCommandSet, BuildingTwiceIsAnError) {
    Built built;
    const LanguageFile english = shippedLanguage("English");
    build(built, shippedFolder(), english);
    EXPECT_THROW(build(built, shippedFolder(), english), std::invalid_argument);
}

// A program folder of its own, with language files named as the test needs.
class OddLanguageFolder : public ::testing::Test {
protected:
    void addFile(const QString &name) {
        putFile(folder.filePath("Languages/" + name), "\"x\"\r\n");
    }
    void buildIt() {
        built.images = shippedImages();
        build(built, ProgramFolder(folder.path()), language);
    }
    QStringList languageItems() const {
        QStringList keys = barKeys(built.registry, "LANG");
        keys.removeAll("LANG:NEW");
        return keys;
    }

    QTemporaryDir folder;
    LanguageFile language;
    Built built;
};

TEST_F(OddLanguageFolder, NameRunsFromTheFirstUnderscoreToTheFirstDot) {
    addFile("TRANS_ESPANOL.TXT");
    addFile("trans_my_lang.v2.txt");
    addFile("Trans_two words.txt");
    addFile("trans_nodot");
    addFile("translate.txt"); // not trans_*
    addFile("other_trans_x.txt");
    QDir(folder.path()).mkpath("Languages/trans_folder.txt");
    buildIt();

    EXPECT_EQ(languageItems(),
              (QStringList{"LANG:ESPANOL", "LANG:MY_LANG", "LANG:NODOT", "LANG:TWO WORDS"}));
    EXPECT_EQ(built.registry.button("LANG:ESPANOL")->caption(), "Espanol");
    EXPECT_EQ(built.registry.button("LANG:ESPANOL")->toolTip(), "TRANS_ESPANOL.TXT");
    EXPECT_EQ(built.registry.button("LANG:MY_LANG")->caption(), "My_lang");
    EXPECT_EQ(built.registry.button("LANG:TWO WORDS")->caption(), "Two Words");
    EXPECT_EQ(built.registry.button("lang:two words")->toolTip(), "Trans_two words.txt");
    EXPECT_EQ(built.set.installedLanguages,
              (QStringList{"ESPANOL", "my_lang", "nodot", "two words"}));
    // "es" has a picture of its own; the others fall back to 106.
    EXPECT_EQ(built.images.key(built.registry.button("LANG:ESPANOL")->icon()), "es");
    EXPECT_EQ(built.registry.button("LANG:MY_LANG")->icon(), 106);
    EXPECT_EQ(built.registry.button("LANG:TWO WORDS")->icon(), 106);
}

TEST_F(OddLanguageFolder, NoLanguageFilesLeaveOnlyTheNewItem) {
    buildIt();
    EXPECT_EQ(barKeys(built.registry, "LANG"), QStringList{"LANG:NEW"});
    EXPECT_TRUE(built.set.installedLanguages.isEmpty());
}

TEST_F(OddLanguageFolder, NoLanguagesFolderAtAll) {
    built.images = shippedImages();
    QTemporaryDir bare;
    build(built, ProgramFolder(bare.path() + "/missing"), language);
    EXPECT_EQ(barKeys(built.registry, "LANG"), QStringList{"LANG:NEW"});
}

TEST_F(OddLanguageFolder, AtMostTwentyLanguages) {
    for (int i = 1; i <= 25; ++i)
        addFile(QString("trans_lang%1.txt").arg(i, 2, 10, QLatin1Char('0')));
    buildIt();
    EXPECT_EQ(built.set.installedLanguages.size(), 20);
    EXPECT_EQ(languageItems().size(), 20);
    EXPECT_EQ(languageItems().first(), "LANG:LANG01");
    EXPECT_EQ(languageItems().last(), "LANG:LANG20");
    EXPECT_EQ(built.registry.buttons().find("LANG:LANG21"), nullptr);
    EXPECT_EQ(barKeys(built.registry, "LANG").last(), "LANG:NEW");
}

TEST_F(OddLanguageFolder, ANameThatWouldTakeAFixedOrTakenKeyIsLeftOut) {
    addFile("trans_new.txt");
    addFile("Trans_English.txt");
    addFile("trans_ENGLISH.txt");
    buildIt();
    EXPECT_EQ(languageItems(), QStringList{"LANG:ENGLISH"});
    EXPECT_EQ(built.registry.button("LANG:NEW")->style(), ButtonStyle::Plain);
}

TEST_F(OddLanguageFolder, WithoutPairLinesRowZeroStillGivesItemsAndAsksForItsIcon) {
    buildIt();
    EXPECT_EQ(barKeys(built.registry, "TTS"),
              (QStringList{"TRANSLANG:", "TTS:PAGE:SEPARATOR", "TTS:PAGE"}));
    EXPECT_EQ(barKeys(built.registry, "SPEAK"), QStringList{"MYLANG:"});
    const int icon = built.registry.button("TRANSLANG:")->icon();
    EXPECT_EQ(icon, built.set.translationIconBase);
    EXPECT_EQ(built.images.count(), icon + 1);
    EXPECT_EQ(built.images.key(icon), ".ico");
    EXPECT_TRUE(built.images.picture(icon).isNull());
}

TEST_F(OddLanguageFolder, MissingIconFileLeavesTheButtonWithoutAPicture) {
    language.parse({"Klingon:=:tlh", " Esperanto :=:eo", "English:=:en"});
    putFile(folder.filePath("Icons/EN.ICO"), fileBytes(shippedFolder().path("icons/en.ico")));
    buildIt();
    const int base = built.set.translationIconBase;
    EXPECT_EQ(built.registry.button("TRANSLANG:Klingon")->icon(), base);
    EXPECT_TRUE(built.images.picture(base).isNull());
    // The name is trimmed of spaces in the key, not in the caption.
    EXPECT_EQ(built.registry.button("MYLANG:Esperanto")->caption(), "Esperanto ");
    EXPECT_EQ(built.registry.button("MYLANG:Esperanto")->icon(), base + 1);
    // The icon file is found without regard to letter case.
    EXPECT_EQ(built.registry.button("TRANSLANG:English")->icon(), base + 2);
    EXPECT_FALSE(built.images.picture(base + 2).isNull());
}

TEST_F(OddLanguageFolder, TwoRowsOfOneNameGiveOneItemButKeepTheIconPositions) {
    language.parse({"English:=:en", "English:=:uk", "German:=:de"});
    buildIt();
    const int base = built.set.translationIconBase;
    EXPECT_EQ(barKeys(built.registry, "TTS"), (QStringList{"TRANSLANG:English", "TRANSLANG:German",
                                                           "TTS:PAGE:SEPARATOR", "TTS:PAGE"}));
    EXPECT_EQ(built.registry.button("TRANSLANG:German")->icon(), base + 2);
}

TEST(LanguageIcon, SearchFromThe105thImageByTwoLetterPrefix) {
    ImageList images;
    for (int i = 0; i < 110; ++i)
        images.add(QIcon(), i == 103 ? "de-too-early" : QString("K%1").arg(i));
    images.add(QIcon(), "deutsch");
    images.add(QIcon(), "DE");
    images.add(QIcon(), "de");
    EXPECT_EQ(MainCommands::languageIcon(images, "Deutsch"), 110);
    EXPECT_EQ(MainCommands::languageIcon(images, "DEUTSCH"), 110);
    // Image keys are compared exactly: "DE" never matches.
    images.set(110, QIcon(), "x");
    EXPECT_EQ(MainCommands::languageIcon(images, "Deutsch"), 112);
    EXPECT_EQ(MainCommands::languageIcon(images, "Klingon"), 106);
    EXPECT_EQ(MainCommands::languageIcon(images, ""), 106);
}

TEST(LanguageIcon, FewerThan105ImagesAlwaysGive106) {
    ImageList images;
    for (int i = 0; i < 104; ++i)
        images.add(QIcon(), "en");
    EXPECT_EQ(MainCommands::languageIcon(images, "English"), 106);
}

TEST(LanguageName, BetweenFirstUnderscoreAndFirstDot) {
    EXPECT_EQ(MainCommands::languageName("Trans_English.txt"), "English");
    EXPECT_EQ(MainCommands::languageName("trans_a_b.c.d"), "a_b");
    EXPECT_EQ(MainCommands::languageName("trans_.txt"), "");
    EXPECT_EQ(MainCommands::languageName("trans_plain"), "plain");
}

} // namespace

TEST_F(OddLanguageFolder, InstalledListsTheUsersAndTheShippedLanguagesOnceTheUsersFirst) {
    QTemporaryDir shipped;
    putFile(shipped.filePath("languages/Trans_English.txt"), "\"x\"\r\n");
    putFile(shipped.filePath("languages/Trans_Deutsch.txt"), "\"x\"\r\n");
    addFile("trans_deutsch.txt");
    addFile("Trans_Klingon.txt");
    built.images = shippedImages();
    build(built, ProgramFolder(folder.path(), shipped.path()), language);
    EXPECT_EQ(languageItems(), (QStringList{"LANG:DEUTSCH", "LANG:ENGLISH", "LANG:KLINGON"}));
    EXPECT_EQ(built.registry.button("LANG:DEUTSCH")->toolTip(), "trans_deutsch.txt");
}
