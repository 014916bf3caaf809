#include "mainshortcuttable.h"

#include "commandbarpresenter.h"
#include "commandregistry.h"
#include "maincommandbars.h"

#include <QAction>
#include <QMenu>
#include <iterator>

namespace {

constexpr int Menu = MainCommandBars::MenuIndex;
constexpr int Keyboard = MainCommandBars::KeyboardIndex;

const MainShortcut Table[] = {
    {Qt::Key_F5, Menu, "NAVIGATE:REFRESH"},
    {Qt::CTRL | Qt::Key_R, Menu, "NAVIGATE:REFRESH"},
    {Qt::Key_Escape, Menu, "EDIT:STOP", true},
    {Qt::ALT | Qt::Key_Left, Menu, "NAVIGATE:BACK"},
    {Qt::ALT | Qt::Key_Right, Menu, "NAVIGATE:NEXT"},
    {Qt::ALT | Qt::Key_Home, Menu, "NAVIGATE:HOME"},
    {Qt::CTRL | Qt::Key_P, Menu, "EDIT:PRINT"},
    {Qt::CTRL | Qt::Key_F, Menu, "EDIT:FINDDOC"},
    {Qt::CTRL | Qt::Key_D, Menu, "NAVIGATE:PICK"},
    {Qt::CTRL | Qt::Key_Q, Menu, "EDIT:EXIT"},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_L, Menu, "TTS:PAGE"},
    {Qt::CTRL | Qt::Key_Tab, Keyboard, "KEY:NEXTTAB"},
    // X reports Shift+Tab as Backtab.
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, Keyboard, "KEY:PREVTAB"},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, Keyboard, "KEY:PREVTAB"},
    {Qt::CTRL | Qt::Key_1, Keyboard, "KEY:TAB1"},
    {Qt::CTRL | Qt::Key_2, Keyboard, "KEY:TAB2"},
    {Qt::CTRL | Qt::Key_3, Keyboard, "KEY:TAB3"},
    {Qt::CTRL | Qt::Key_4, Keyboard, "KEY:TAB4"},
    {Qt::CTRL | Qt::Key_5, Keyboard, "KEY:TAB5"},
    {Qt::CTRL | Qt::Key_6, Keyboard, "KEY:TAB6"},
    {Qt::CTRL | Qt::Key_7, Keyboard, "KEY:TAB7"},
    {Qt::CTRL | Qt::Key_8, Keyboard, "KEY:TAB8"},
    {Qt::CTRL | Qt::Key_Plus, Keyboard, "KEY:ZOOMIN"},
    // Plus shares its key with equals on most layouts.
    {Qt::CTRL | Qt::Key_Equal, Keyboard, "KEY:ZOOMIN"},
    {Qt::CTRL | Qt::Key_Minus, Keyboard, "KEY:ZOOMOUT"},
    {Qt::CTRL | Qt::Key_0, Keyboard, "KEY:ZOOMRESET"},
};

} // namespace

namespace MainShortcutTable {

const MainShortcut *begin() {
    return std::begin(Table);
}

const MainShortcut *end() {
    return std::end(Table);
}

void showInMenus(const CommandRegistry &registry, const CommandBarPresenter &presenter) {
    for (const MainShortcut &shortcut : Table) {
        const CommandButton *button = registry.find(QLatin1String(shortcut.command));
        if (shortcut.barIndex != Menu || !button)
            continue;
        for (QAction *action : presenter.actionsOf(button)) {
            if (!qobject_cast<QMenu *>(action->parent()) || !action->shortcut().isEmpty())
                continue;
            action->setShortcut(shortcut.keys);
            // Active only while its own menu has the focus, so it never competes with the
            // window's shortcut.
            action->setShortcutContext(Qt::WidgetShortcut);
        }
    }
}

} // namespace MainShortcutTable
