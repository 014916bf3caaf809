#pragma once

#include "commandaction.h"
#include "commandbutton.h"
#include "commandtext.h"
#include "tableview.h"

#include <QKeyCombination>

namespace MainCommandTable {

// cmdBar elements: 0, 1 and 2 are the toolbars; every drop-down menu is element 3. The
// commands only a key gives come as element 4, which is no bar.
constexpr int MenuElement = 3;
constexpr int KeyboardElement = 4;

// A bar of the main window. A menu's bar has the key of the button it drops from.
struct Bar {
    const char *key; // nullptr: no bar
    int element;
};

inline constexpr Bar Standard0{"STANDARD0", 0};
inline constexpr Bar Standard1{"STANDARD1", 1};
inline constexpr Bar Standard2{"STANDARD2", 2};
inline constexpr Bar SaveMenu{"SAVE", MenuElement};
inline constexpr Bar EditMenu{"EDIT", MenuElement};
inline constexpr Bar FileMenu{"FILE", MenuElement};
inline constexpr Bar LanguageMenu{"LANG", MenuElement};
inline constexpr Bar NavigateMenu{"NAVIGATE", MenuElement};
inline constexpr Bar TranslateMenu{"TTS", MenuElement};
inline constexpr Bar MyLanguageMenu{"SPEAK", MenuElement};
// The separators only the other windows' bars show.
inline constexpr Bar OtherWindows{nullptr, -1};
// The commands only a key gives: no button is made for them.
inline constexpr Bar KeysOnly{nullptr, KeyboardElement};

// Keys named outside the table: the panel that hosts the tab strip, and the separators the
// other windows' bars take from the main set.
inline constexpr char TabStripPanel[] = "NIL4";
inline constexpr char Separator1[] = "SEP1";
inline constexpr char Separator2[] = "SEP2";
inline constexpr char Separator4[] = "SEP4";
inline constexpr char Separator5[] = "SEP5";
inline constexpr char Separator7[] = "SEP7";
inline constexpr char Separator10[] = "SEP10";
inline constexpr char Separator13[] = "SEP13";

// One command of the main window: its button, where it shows, its text, its keys and what
// it does. The rows of one bar stand in the order the bar shows them.
struct Command {
    const Bar *bar;
    const char *key;
    int picture; // position in ImageList1; -1 for none
    ButtonStyle style;
    CommandText text;
    CommandAction action = CommandAction::None;
    // The keys that give it; the first is the one its menu item shows.
    QKeyCombination keys[2] = {};
    // Its key closes an open find bar instead (Escape).
    bool findBarFirst = false;
};

// Every fixed command, in the order the buttons are created. The generated LANG:,
// TRANSLANG: and MYLANG: items are not in it.
TableView<Command> commands();
// The bars in the order created.
TableView<const Bar *> bars();

// The row of a key, compared exactly; nullptr when none.
const Command *find(const QString &key);
// The key of the first row that does action; nullptr when none.
const char *keyOf(CommandAction action);
// The command of bar style 0 to 3 (system, office, money, XP).
CommandAction styleAction(int style);
// Whether a button is made for the row, and whether it drops down a menu of its own.
bool isButton(const Command &command);
bool dropsDown(const Command &command);
// Whether a place of Command::keys holds a key: an empty one is Qt::Key_unknown.
constexpr bool isGiven(QKeyCombination keys) {
    return keys != QKeyCombination();
}

} // namespace MainCommandTable
