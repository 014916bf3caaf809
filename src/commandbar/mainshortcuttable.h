#pragma once

#include <QKeyCombination>

class CommandBarPresenter;
class CommandRegistry;

// The keys people use in every browser, each bound to the command key of a button (its bar
// index and key, as a click delivers them) or of a command only the keyboard gives. A key
// therefore does exactly what choosing the button does.
struct MainShortcut {
    QKeyCombination keys;
    int barIndex;
    const char *command;
    // Escape closes an open find bar; only without one does it give the command.
    bool findBarFirst = false;
};

namespace MainShortcutTable {

// In the order they are installed; a command's first key is the one its menu item shows.
const MainShortcut *begin();
const MainShortcut *end();

// Each menu item whose command has a key shows it, in Qt's own key names. The key is
// shown only: the window's shortcut gives the command, as the menu item's click does.
void showInMenus(const CommandRegistry &registry, const CommandBarPresenter &presenter);

} // namespace MainShortcutTable
