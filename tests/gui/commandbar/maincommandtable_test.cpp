// The rules every row of the command tables keeps, and the main set built from them.
#include "commandbar/maincommandtable.h"
#include "commandbar/windowbars.h"
#include "commandbartesthelpers.h"

#include <QSet>
#include <QTabBar>
#include <gtest/gtest.h>

namespace {

using MainCommandTable::Command;

bool isFurniture(ButtonStyle style) {
    return style == ButtonStyle::Separator || style == ButtonStyle::Panel;
}

QSet<int> picturePositions() {
    QSet<int> positions;
    for (const MainImages::Picture &picture : MainImages::table())
        positions.insert(picture.position);
    return positions;
}

bool isMainPicture(const char *key) {
    for (const MainImages::Picture &picture : MainImages::table())
        if (qstrcmp(picture.key, key) == 0)
            return true;
    return false;
}

TEST(CommandTables, NoTwoRowsShareAKeyOrAShortcut) {
    QSet<QString> keys;
    QSet<int> shortcuts;
    for (const Command &command : MainCommandTable::commands()) {
        EXPECT_FALSE(keys.contains(QString(command.key).toCaseFolded())) << command.key;
        keys.insert(QString(command.key).toCaseFolded());
        for (const QKeyCombination combination : command.keys) {
            if (!MainCommandTable::isGiven(combination))
                continue;
            EXPECT_FALSE(shortcuts.contains(combination.toCombined())) << command.key;
            shortcuts.insert(combination.toCombined());
        }
    }
    for (const WindowBars::Button &row : WindowBars::buttons()) {
        const QString key = QString(row.key).toCaseFolded();
        if (row.made == WindowBars::Button::Made::Shared) {
            EXPECT_TRUE(keys.contains(key))
                << "a separator the main set does not make: " << row.key;
            continue;
        }
        EXPECT_FALSE(keys.contains(key)) << row.key;
        keys.insert(key);
    }
}

TEST(CommandTables, EveryMainCommandHasATextAPictureAndAnAction) {
    const QSet<int> pictures = picturePositions();
    for (const Command &command : MainCommandTable::commands()) {
        if (isFurniture(command.style)) {
            EXPECT_EQ(command.action, CommandAction::None) << command.key;
            continue;
        }
        if (!MainCommandTable::isButton(command)) {
            EXPECT_TRUE(MainCommandTable::isGiven(command.keys[0]))
                << "a key-only command without a key";
        } else {
            EXPECT_NE(command.text.property, CommandText::Property::None) << command.key;
            EXPECT_TRUE(pictures.contains(command.picture)) << command.key;
        }
        // A button that drops down its menu does nothing else.
        EXPECT_NE(MainCommandTable::dropsDown(command), command.action != CommandAction::None)
            << command.key;
    }
}

TEST(CommandTables, EveryWindowButtonHasATextAPictureAndAnAction) {
    for (const WindowBars::Button &row : WindowBars::buttons()) {
        if (isFurniture(row.style) || row.made == WindowBars::Button::Made::OffBar)
            continue;
        EXPECT_NE(row.text.property, CommandText::Property::None) << row.key;
        EXPECT_GE(row.picture, 0) << row.key;
        EXPECT_TRUE(!row.mainPicture || isMainPicture(row.mainPicture)) << row.key;
        EXPECT_NE(row.action, WindowBars::Action::None) << row.key;
    }
}

TEST(CommandTables, EveryTextIsThereInBothShippedLanguages) {
    for (const char *name : {"English", "Deutsch"}) {
        const LanguageFile language = shippedLanguage(name);
        for (const Command &command : MainCommandTable::commands()) {
            if (command.text.property != CommandText::Property::None) {
                EXPECT_FALSE(command.text.of(language, name).isEmpty()) << command.key;
            }
        }
        for (const WindowBars::Button &row : WindowBars::buttons()) {
            if (row.text.property != CommandText::Property::None) {
                EXPECT_FALSE(row.text.of(language, name).isEmpty()) << row.key;
            }
        }
    }
}

TEST(CommandTables, TheBarsStyleCommandsFollowTheStoredNumbers) {
    for (int style = 0; style < 4; ++style) {
        const char *key = MainCommandTable::keyOf(MainCommandTable::styleAction(style));
        ASSERT_NE(key, nullptr) << style;
        EXPECT_EQ(MainCommandTable::find(key)->style, ButtonStyle::Option);
    }
}

class MainSetFromTheTable : public ::testing::Test {
protected:
    void SetUp() override {
        images = shippedImages();
        const MainCommandSet set = MainCommands::BuildMainCommandSet(
            registry, images, english, shippedFolder(), &tabStrip, 587);
        MainCommands::BuildMainBars(registry, english, set);
    }

    LanguageFile english = shippedLanguage("English");
    QTabBar tabStrip;
    CommandRegistry registry;
    ImageList images;
};

TEST_F(MainSetFromTheTable, EveryButtonRowIsMadeAndPlacedInTableOrder) {
    QHash<QString, QStringList> placed;
    for (const Command &command : MainCommandTable::commands()) {
        const CommandButton *found = registry.find(command.key);
        ASSERT_EQ(found != nullptr, MainCommandTable::isButton(command)) << command.key;
        if (!found)
            continue;
        EXPECT_EQ(found->icon(), command.picture) << command.key;
        EXPECT_EQ(found->style(), command.style) << command.key;
        EXPECT_TRUE(found->caption().isEmpty() && found->toolTip().isEmpty()) << command.key;
        if (command.bar->key)
            placed[command.bar->key].append(command.key);
    }
    for (const MainCommandTable::Bar *bar : MainCommandTable::bars()) {
        QStringList keys = barKeys(registry, bar->key);
        // The generated items stand before the fixed ones, which the table lists.
        keys = keys.mid(keys.size() - placed.value(bar->key).size());
        EXPECT_EQ(keys, placed.value(bar->key)) << bar->key;
    }
    EXPECT_EQ(registry.bars().count(), int(MainCommandTable::bars().size()));
}

TEST_F(MainSetFromTheTable, EveryMenuHangsFromTheButtonOfItsKey) {
    int menus = 0;
    for (const MainCommandTable::Bar *bar : MainCommandTable::bars()) {
        const CommandButton *button = registry.find(bar->key);
        if (bar->element != MainCommandTable::MenuElement) {
            EXPECT_TRUE(!button || !button->bar()) << bar->key;
            continue;
        }
        ++menus;
        ASSERT_NE(button, nullptr) << bar->key;
        EXPECT_EQ(button->bar(), registry.bar(bar->key));
        EXPECT_TRUE(button->showDropDown());
    }
    EXPECT_EQ(menus, 7);
}

TEST_F(MainSetFromTheTable, TabStripPanel) {
    const CommandButton *panel = registry.button(MainCommandTable::TabStripPanel);
    EXPECT_EQ(panel->panelWidth(), 587);
    EXPECT_EQ(panel->panelWidget(), &tabStrip);
}

} // namespace
