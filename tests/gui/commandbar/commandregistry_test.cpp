// The command model: buttons and bars found by key, option groups, change notices.
#include "commandbartesthelpers.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(CommandRegistry, FindsButtonsWithoutRegardToLetterCase) {
    CommandRegistry registry;
    CommandButton *copy = registry.buttons().add("EDIT:COPY", 62, ButtonStyle::Plain);
    EXPECT_EQ(registry.button("EDIT:COPY"), copy);
    EXPECT_EQ(registry.button("edit:copy"), copy);
    EXPECT_EQ(&registry.buttons().item("Edit:Copy"), copy);
    EXPECT_EQ(&registry.item("edit:COPY"), copy);
    EXPECT_EQ(copy->key(), "EDIT:COPY");
    EXPECT_EQ(copy->icon(), 62);
    EXPECT_EQ(copy->style(), ButtonStyle::Plain);
    EXPECT_TRUE(copy->caption().isEmpty());
    EXPECT_TRUE(copy->enabled());
    EXPECT_FALSE(copy->checked());
    EXPECT_EQ(registry.buttons().find("EDIT:CUT"), nullptr);
    EXPECT_EQ(registry.find("EDIT:CUT"), nullptr);
    EXPECT_EQ(registry.find("edit:copy"), copy);
}

TEST(CommandRegistry, MyLanguageItemsAreFoundByTheNameInUpperCase) {
    CommandRegistry registry;
    CommandButton *item = registry.buttons().add("MYLANG:Deutsch", 140, ButtonStyle::Option);
    EXPECT_EQ(registry.button("MYLANG:DEUTSCH"), item);
}

TEST(CommandRegistry, UnknownKeyIsAnErrorNamingTheKey) {
    CommandRegistry registry;
    registry.buttons().add("EXIT0", 0, ButtonStyle::Plain);
    try {
        registry.button("EXIT9");
        FAIL() << "no error for an unknown key";
    } catch (const std::out_of_range &error) {
        EXPECT_NE(std::string(error.what()).find("EXIT9"), std::string::npos) << error.what();
    }
    EXPECT_THROW(registry.item("exit9"), std::out_of_range);
    EXPECT_THROW(registry.bar("STANDARD9"), std::out_of_range);
    EXPECT_THROW(registry.bars().item("STANDARD9"), std::out_of_range);
}

TEST(CommandRegistry, KeyCanBeCreatedOnlyOnceInAnyLetterCase) {
    CommandRegistry registry;
    registry.buttons().add("SEP13", -1, ButtonStyle::Separator);
    EXPECT_THROW(registry.buttons().add("SEP13", -1, ButtonStyle::Separator),
                 std::invalid_argument);
    EXPECT_THROW(registry.buttons().add("sep13", -1, ButtonStyle::Separator),
                 std::invalid_argument);
    registry.bars().add("STANDARD5");
    EXPECT_THROW(registry.bars().add("standard5"), std::invalid_argument);
    EXPECT_EQ(registry.buttons().count(), 1);
    EXPECT_EQ(registry.bars().count(), 1);
}

TEST(CommandRegistry, BarsAreOrderedListsAndShareButtons) {
    CommandRegistry registry;
    ButtonsCollection &buttons = registry.buttons();
    CommandButton *exit = buttons.add("EXIT3", 0, ButtonStyle::Plain);
    CommandButton *sep = buttons.add("SEP13", -1, ButtonStyle::Separator);
    CommandButton *save = buttons.add("SAVE5", 1, ButtonStyle::Plain);
    CommandBar *editor = registry.bars().add("STANDARD5");
    CommandBar *about = registry.bars().add("STANDARD7");
    editor->add(exit);
    editor->add(sep);
    editor->add(save);
    about->add(sep);

    EXPECT_EQ(editor->keys(), (QStringList{"EXIT3", "SEP13", "SAVE5"}));
    EXPECT_EQ(about->keys(), QStringList{"SEP13"});
    EXPECT_EQ(editor->at(1), about->at(0));
    EXPECT_EQ(editor->at(3), nullptr);
    EXPECT_EQ(registry.bar("standard5"), editor);
    EXPECT_EQ(registry.bars().keys(), (QStringList{"STANDARD5", "STANDARD7"}));
}

TEST(CommandRegistry, ButtonKeepsItsProperties) {
    CommandRegistry registry;
    CommandButton *panel = registry.buttons().add("NIL6", -1, ButtonStyle::Panel);
    CommandBar *menu = registry.bars().add("SAVE");
    QWidget label;
    panel->setPanelWidth(150);
    panel->setPanelWidget(&label);
    panel->setBar(menu);
    panel->setShowCaption(true);
    panel->setShowDropDown(true);
    panel->setEnabled(false);
    EXPECT_EQ(panel->panelWidth(), 150);
    EXPECT_EQ(panel->panelWidget(), &label);
    EXPECT_EQ(panel->bar(), menu);
    EXPECT_TRUE(panel->showCaption());
    EXPECT_TRUE(panel->showDropDown());
    EXPECT_FALSE(panel->enabled());
}

TEST(CommandRegistry, ChangeIsAnnouncedOnlyWhenSomethingChanged) {
    CommandRegistry registry;
    CommandButton *button = registry.buttons().add("BACK", 1, ButtonStyle::Plain);
    int changes = 0;
    QObject::connect(button, &CommandButton::changed, [&](CommandButton *changed) {
        EXPECT_EQ(changed, button);
        ++changes;
    });
    button->setCaption("Back");
    button->setCaption("Back");
    button->setToolTip("Go back one page");
    button->setEnabled(false);
    button->setEnabled(false);
    button->setChecked(true);
    button->setIcon(2);
    EXPECT_EQ(changes, 5);
}

// The four style items of the FILE menu, the floating-bars check item and a few
// generated items, as the main command set makes them.
class OptionGroups : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char *key : {"FILE:SYSTEM", "FILE:OFFICE", "FILE:XP", "FILE:MONEY"})
            registry.buttons().add(key, 58, ButtonStyle::Option);
        registry.buttons().add("FILE:FLOATING", 72, ButtonStyle::Check);
        for (const char *key : {"LANG:ENGLISH", "LANG:DEUTSCH", "TRANSLANG:English",
                                "TRANSLANG:German", "MYLANG:English", "MYLANG:German"})
            registry.buttons().add(key, 106, ButtonStyle::Option);
    }
    bool checked(const char *key) const { return registry.button(key)->checked(); }

    CommandRegistry registry;
};

TEST_F(OptionGroups, CheckingOneStyleItemUnchecksTheOthers) {
    registry.button("FILE:FLOATING")->setChecked(true);
    registry.button("FILE:OFFICE")->setChecked(true);
    EXPECT_TRUE(checked("FILE:OFFICE"));
    registry.button("FILE:XP")->setChecked(true);
    EXPECT_TRUE(checked("FILE:XP"));
    EXPECT_FALSE(checked("FILE:OFFICE"));
    EXPECT_FALSE(checked("FILE:SYSTEM"));
    EXPECT_FALSE(checked("FILE:MONEY"));
    // The check item is not part of the group.
    EXPECT_TRUE(checked("FILE:FLOATING"));
    EXPECT_EQ(registry.button("FILE:FLOATING")->optionGroup(), "");
    EXPECT_EQ(registry.button("FILE:MONEY")->optionGroup(), "FILE");
}

TEST_F(OptionGroups, GeneratedItemsAreAGroupEachFamily) {
    registry.button("FILE:SYSTEM")->setChecked(true);
    registry.button("LANG:ENGLISH")->setChecked(true);
    registry.button("TRANSLANG:German")->setChecked(true);
    registry.button("MYLANG:English")->setChecked(true);
    EXPECT_TRUE(checked("FILE:SYSTEM"));
    EXPECT_TRUE(checked("LANG:ENGLISH"));
    EXPECT_TRUE(checked("TRANSLANG:German"));
    EXPECT_TRUE(checked("MYLANG:English"));

    registry.button("MYLANG:GERMAN")->setChecked(true);
    EXPECT_TRUE(checked("MYLANG:German"));
    EXPECT_FALSE(checked("MYLANG:English"));
    EXPECT_TRUE(checked("TRANSLANG:German"));
    EXPECT_TRUE(checked("LANG:ENGLISH"));

    registry.button("TRANSLANG:English")->setChecked(true);
    EXPECT_FALSE(checked("TRANSLANG:German"));
    EXPECT_TRUE(checked("MYLANG:German"));
}

TEST_F(OptionGroups, UncheckingLeavesTheGroupWithoutACheckedItem) {
    registry.button("TRANSLANG:German")->setChecked(true);
    registry.button("TRANSLANG:German")->setChecked(false);
    EXPECT_FALSE(checked("TRANSLANG:German"));
    EXPECT_FALSE(checked("TRANSLANG:English"));
}

TEST_F(OptionGroups, NoObserverSeesTwoCheckedItems) {
    registry.button("FILE:SYSTEM")->setChecked(true);
    int checkedAtOnce = 0;
    for (CommandButton *button : registry.buttons().all()) {
        QObject::connect(button, &CommandButton::changed, [&] {
            int count = 0;
            for (const char *key : {"FILE:SYSTEM", "FILE:OFFICE", "FILE:XP", "FILE:MONEY"})
                count += checked(key) ? 1 : 0;
            checkedAtOnce = std::max(checkedAtOnce, count);
        });
    }
    registry.button("FILE:MONEY")->setChecked(true);
    EXPECT_EQ(checkedAtOnce, 1);
    EXPECT_TRUE(checked("FILE:MONEY"));
}

} // namespace
