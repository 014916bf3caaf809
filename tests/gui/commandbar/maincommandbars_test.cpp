// The main window's toolbars and menus as Qt shows them.
#include "commandbar/applylanguagetexts.h"
#include "commandbar/barstyles.h"
#include "commandbar/maincommandbars.h"
#include "commandbartesthelpers.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>
#include <set>

namespace {

QString accessibleName(QWidget *widget) {
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QList<QAction *> commandActions(const QWidget *bar) {
    QList<QAction *> actions;
    for (QAction *action : bar->actions())
        if (!action->isSeparator() && !action->objectName().isEmpty())
            actions.append(action);
    return actions;
}

QAction *actionOf(const QWidget *bar, const QString &key) {
    for (QAction *action : bar->actions())
        if (action->objectName() == key)
            return action;
    return nullptr;
}

class MainBars : public ::testing::Test {
protected:
    void SetUp() override {
        images = shippedImages();
        tabStrip = new QTabBar;
        tabStrip->addTab("Tab");
        bars.build(english, shippedFolder(), tabStrip, 600);
        ApplyLanguageTexts(registry, english, "English");
        for (int element = 0; element < 3; ++element)
            window.addToolBar(bars.toolbar(element));
        window.resize(1400, 300);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QToolButton *toolButton(int element, const QString &key) const {
        QToolBar *bar = bars.toolbar(element);
        QAction *action = actionOf(bar, key);
        return action ? qobject_cast<QToolButton *>(bar->widgetForAction(action)) : nullptr;
    }

    CommandRegistry registry;
    ImageList images;
    LanguageFile english = shippedLanguage("English");
    QTabBar *tabStrip = nullptr;
    MainCommandBars bars{registry, images};
    QMainWindow window;
};

TEST_F(MainBars, ThreeToolbarsShowTheirBars) {
    ASSERT_NE(bars.toolbar(0), nullptr);
    EXPECT_EQ(bars.toolbar(3), nullptr);
    EXPECT_EQ(bars.toolbar(-1), nullptr);
    for (int element = 0; element < 3; ++element) {
        const CommandBar *bar = registry.bar(QString("STANDARD%1").arg(element));
        QStringList expected;
        for (const CommandButton *button : bar->buttons())
            if (button->style() != ButtonStyle::Separator && button->style() != ButtonStyle::Panel)
                expected.append(button->key());
        QStringList shown;
        for (const QAction *action : commandActions(bars.toolbar(element)))
            shown.append(action->objectName());
        EXPECT_EQ(shown, expected) << element;
    }
    int separators = 0;
    for (const QAction *action : bars.toolbar(0)->actions())
        separators += action->isSeparator() ? 1 : 0;
    EXPECT_EQ(separators, 5);
}

TEST_F(MainBars, TheTabStripSitsInTheSecondToolbarAtItsWidth) {
    EXPECT_EQ(tabStrip->parentWidget(), bars.toolbar(1));
    EXPECT_EQ(tabStrip->width(), 600);
    EXPECT_EQ(tabStrip->minimumWidth(), 600);
    EXPECT_TRUE(tabStrip->isVisible());
}

TEST_F(MainBars, EveryVisibleToolbarButtonHasAPictureAndAName) {
    int checkedButtons = 0;
    for (const int element : {0, 2}) {
        QToolBar *bar = bars.toolbar(element);
        EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonIconOnly);
        for (QAction *action : commandActions(bar)) {
            auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action));
            ASSERT_NE(button, nullptr) << action->objectName().toStdString();
            ASSERT_TRUE(button->isVisible());
            EXPECT_FALSE(button->icon().isNull()) << action->objectName().toStdString();
            EXPECT_FALSE(button->icon().pixmap(22).isNull());
            const CommandButton *model = registry.button(action->objectName());
            EXPECT_FALSE(model->toolTip().isEmpty()) << model->key().toStdString();
            EXPECT_EQ(action->toolTip(), model->toolTip());
            EXPECT_EQ(accessibleName(button), model->toolTip()) << model->key().toStdString();
            ++checkedButtons;
        }
    }
    EXPECT_EQ(checkedButtons, 13 + 7);
    EXPECT_EQ(accessibleName(toolButton(0, "BACK")), "Go back one page");
    EXPECT_EQ(accessibleName(toolButton(2, "GOOGLE")), "Search the web with DuckDuckGo");
}

TEST_F(MainBars, SevenMenusWithCaptionsPicturesAndMarks) {
    for (const char *key : {"SAVE", "EDIT", "FILE", "NAVIGATE", "TTS", "SPEAK", "LANG"}) {
        QMenu *menu = bars.menu(key);
        ASSERT_NE(menu, nullptr) << key;
        EXPECT_EQ(actionOf(bars.toolbar(0), key)->menu(), menu) << key;
        EXPECT_EQ(toolButton(0, key)->popupMode(), QToolButton::InstantPopup) << key;
        int items = 0;
        for (const CommandButton *item : registry.bar(key)->buttons())
            items += item->style() == ButtonStyle::Separator ? 0 : 1;
        EXPECT_EQ(commandActions(menu).size(), items) << key;
    }
    EXPECT_EQ(bars.menu("STANDARD0"), nullptr);

    QMenu *edit = bars.menu("EDIT");
    EXPECT_EQ(edit->actions().size(), 20);
    EXPECT_EQ(actionOf(edit, "EDIT:COPY")->text(), "Copy");
    EXPECT_EQ(actionOf(edit, "EDIT:TXT")->text(), "trans_English.txt");
    EXPECT_FALSE(actionOf(edit, "EDIT:COPY")->icon().isNull());
    EXPECT_TRUE(edit->actions().at(2)->isSeparator());

    QMenu *file = bars.menu("FILE");
    EXPECT_TRUE(actionOf(file, "FILE:OFFICE")->isCheckable());
    EXPECT_TRUE(actionOf(file, "FILE:FLOATING")->isCheckable());
    EXPECT_FALSE(actionOf(file, "FILE:HELP")->isCheckable());
    EXPECT_EQ(actionOf(file, "FILE:OFFICE")->text(), "Office style");

    QMenu *lang = bars.menu("LANG");
    EXPECT_EQ(actionOf(lang, "LANG:DEUTSCH")->text(), "Deutsch");
    EXPECT_EQ(actionOf(lang, "LANG:DEUTSCH")->toolTip(), "Trans_Deutsch.txt");
    EXPECT_FALSE(actionOf(lang, "LANG:DEUTSCH")->icon().isNull());
    EXPECT_EQ(actionOf(lang, "LANG:NEW")->text(), "New language...");
    // The 36 languages and the page command.
    EXPECT_EQ(commandActions(bars.menu("TTS")).size(), 37);
}

TEST_F(MainBars, ClickOnAToolbarButtonCarriesItsElement) {
    QSignalSpy clicks(&bars, &MainCommandBars::buttonClick);
    QTest::mouseClick(toolButton(0, "BACK"), Qt::LeftButton);
    QTest::mouseClick(toolButton(2, "GOOGLE"), Qt::LeftButton);
    QTest::mouseClick(toolButton(2, "EXIT2"), Qt::LeftButton);
    ASSERT_EQ(clicks.size(), 3);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 0);
    EXPECT_EQ(clicks.at(0).at(1).toString(), "BACK");
    EXPECT_EQ(clicks.at(1).at(0).toInt(), 2);
    EXPECT_EQ(clicks.at(1).at(1).toString(), "GOOGLE");
    EXPECT_EQ(clicks.at(2).at(1).toString(), "EXIT2");
}

TEST_F(MainBars, ClickOnAMenuItemCarriesIndexThree) {
    QSignalSpy clicks(&bars, &MainCommandBars::buttonClick);
    QSignalSpy opened(&bars, &MainCommandBars::menuOpened);
    QSignalSpy closed(&bars, &MainCommandBars::menuClosed);
    QMenu *edit = bars.menu("EDIT");
    edit->popup(window.mapToGlobal(QPoint(20, 40)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
    QAction *copy = actionOf(edit, "EDIT:COPY");
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(copy).center());
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 3);
    EXPECT_EQ(clicks.at(0).at(1).toString(), "EDIT:COPY");
    EXPECT_FALSE(edit->isVisible());
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.at(0).at(0).toInt(), 3);
    ASSERT_EQ(closed.size(), 1);
    EXPECT_EQ(closed.at(0).at(0).toInt(), 3);

    actionOf(bars.menu("TTS"), "TRANSLANG:German")->trigger();
    ASSERT_EQ(clicks.size(), 2);
    EXPECT_EQ(clicks.at(1).at(0).toInt(), 3);
    EXPECT_EQ(clicks.at(1).at(1).toString(), "TRANSLANG:German");
}

TEST_F(MainBars, ClickOnADropDownButtonOpensItsMenu) {
    QSignalSpy clicks(&bars, &MainCommandBars::buttonClick);
    QSignalSpy opened(&bars, &MainCommandBars::menuOpened);
    QSignalSpy closed(&bars, &MainCommandBars::menuClosed);
    QWidget *shown = nullptr;
    // The menu runs a loop of its own while it is open: look, then close it.
    QTimer::singleShot(50, [&] {
        shown = QApplication::activePopupWidget();
        if (shown)
            shown->close();
    });
    QTest::mouseClick(toolButton(0, "NAVIGATE"), Qt::LeftButton);
    EXPECT_EQ(shown, bars.menu("NAVIGATE"));
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(closed.size(), 1);
    EXPECT_EQ(clicks.size(), 0);
}

TEST_F(MainBars, CheckItemIsToggledOptionItemIsLeftToTheProgram) {
    QSignalSpy clicks(&bars, &MainCommandBars::buttonClick);
    QMenu *file = bars.menu("FILE");
    QAction *floating = actionOf(file, "FILE:FLOATING");
    floating->trigger();
    EXPECT_TRUE(registry.button("FILE:FLOATING")->checked());
    floating->trigger();
    EXPECT_FALSE(registry.button("FILE:FLOATING")->checked());

    QAction *office = actionOf(file, "FILE:OFFICE");
    office->trigger();
    EXPECT_FALSE(registry.button("FILE:OFFICE")->checked());
    EXPECT_FALSE(office->isChecked());
    ASSERT_EQ(clicks.size(), 3);
    EXPECT_EQ(clicks.at(2).at(1).toString(), "FILE:OFFICE");

    // The dispatcher checks the item; the option group clears the others.
    registry.button("FILE:OFFICE")->setChecked(true);
    EXPECT_TRUE(office->isChecked());
    registry.button("FILE:XP")->setChecked(true);
    EXPECT_FALSE(office->isChecked());
    EXPECT_TRUE(actionOf(file, "FILE:XP")->isChecked());
}

TEST_F(MainBars, TextsFollowALanguageSwitch) {
    QAction *copy = actionOf(bars.menu("EDIT"), "EDIT:COPY");
    EXPECT_EQ(copy->text(), "Copy");
    const LanguageFile german = shippedLanguage("Deutsch");
    ApplyLanguageTexts(registry, german, "deutsch");
    EXPECT_EQ(copy->text(), "Kopieren");
    EXPECT_EQ(actionOf(bars.menu("EDIT"), "EDIT:TXT")->text(), "trans_Deutsch.txt");
    EXPECT_EQ(accessibleName(toolButton(0, "EXIT0")), german.caption(32));
    EXPECT_EQ(toolButton(2, "MAP")->toolTip(), "Die Karte bei OpenStreetMap öffnen");
    EXPECT_EQ(accessibleName(toolButton(2, "MAP")), "Die Karte bei OpenStreetMap öffnen");
}

TEST_F(MainBars, CaptionsAreShownAsStored) {
    registry.button("EDIT:COPY")->setCaption("Copy & keep");
    QAction *copy = actionOf(bars.menu("EDIT"), "EDIT:COPY");
    EXPECT_EQ(copy->text(), "Copy && keep");
    EXPECT_EQ(copy->iconText(), "Copy & keep");
}

TEST_F(MainBars, DisabledButtonIsNotClickable) {
    QSignalSpy clicks(&bars, &MainCommandBars::buttonClick);
    registry.button("FAVORITE")->setEnabled(false);
    EXPECT_FALSE(toolButton(0, "FAVORITE")->isEnabled());
    QTest::mouseClick(toolButton(0, "FAVORITE"), Qt::LeftButton);
    EXPECT_EQ(clicks.size(), 0);
    registry.button("FAVORITE")->setEnabled(true);
    QTest::mouseClick(toolButton(0, "FAVORITE"), Qt::LeftButton);
    EXPECT_EQ(clicks.size(), 1);
}

TEST_F(MainBars, FourDistinctBarStyles) {
    EXPECT_EQ(bars.barStyle(), 0);
    std::set<QString> toolbarSheets;
    std::set<QString> menuSheets;
    for (const int style : {1, 2, 3, 0}) {
        bars.setBarStyle(style);
        EXPECT_EQ(bars.barStyle(), style);
        const QString sheet = bars.toolbar(0)->styleSheet();
        EXPECT_EQ(sheet, BarStyles::toolBarStyleSheet(style));
        EXPECT_EQ(bars.toolbar(1)->styleSheet(), sheet);
        EXPECT_EQ(bars.toolbar(2)->styleSheet(), sheet);
        EXPECT_EQ(bars.menu("LANG")->styleSheet(), BarStyles::menuStyleSheet(style));
        toolbarSheets.insert(sheet);
        menuSheets.insert(bars.menu("FILE")->styleSheet());
        // Each look draws without complaint.
        QTest::qWait(1);
        EXPECT_FALSE(bars.toolbar(0)->grab().isNull());
    }
    EXPECT_EQ(toolbarSheets.size(), 4u);
    EXPECT_EQ(menuSheets.size(), 4u);
    EXPECT_TRUE(BarStyles::toolBarStyleSheet(0).isEmpty()); // the platform's own look
    EXPECT_TRUE(BarStyles::toolBarStyleSheet(2).contains("#a8cf8a"));

    bars.setBarStyle(3);
    bars.setBarStyle(4);
    bars.setBarStyle(-1);
    EXPECT_EQ(bars.barStyle(), 3);
    EXPECT_EQ(bars.toolbar(0)->styleSheet(), BarStyles::toolBarStyleSheet(3));
}

} // namespace

TEST_F(MainBars, MenuItemsShowTheirKeysInQtsKeyNames) {
    EXPECT_EQ(actionOf(bars.menu("EDIT"), "EDIT:PRINT")->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(actionOf(bars.menu("EDIT"), "EDIT:STOP")->shortcut(), QKeySequence("Esc"));
    EXPECT_EQ(actionOf(bars.menu("EDIT"), "EDIT:EXIT")->shortcut(), QKeySequence("Ctrl+Q"));
    QMenu *navigate = bars.menu("NAVIGATE");
    // F5 comes first in the table, so the item shows it rather than Ctrl+R.
    EXPECT_EQ(actionOf(navigate, "NAVIGATE:REFRESH")->shortcut(), QKeySequence("F5"));
    EXPECT_EQ(actionOf(navigate, "NAVIGATE:BACK")->shortcut(), QKeySequence("Alt+Left"));
    EXPECT_EQ(actionOf(navigate, "NAVIGATE:HOME")->shortcut(), QKeySequence("Alt+Home"));
    EXPECT_EQ(actionOf(navigate, "NAVIGATE:PICK")->shortcut(), QKeySequence("Ctrl+D"));
    EXPECT_TRUE(actionOf(navigate, "NAVIGATE:GO")->shortcut().isEmpty());
    // Shown only: the key never fires the item while its menu is closed.
    EXPECT_EQ(actionOf(navigate, "NAVIGATE:BACK")->shortcutContext(), Qt::WidgetShortcut);
    // The toolbar's own BACK button carries no key.
    EXPECT_TRUE(actionOf(bars.toolbar(0), "BACK")->shortcut().isEmpty());
}
