#pragma once

#include "commandbutton.h"
#include "tableview.h"

// One row of the main command set: a button and the bar of the main window
// that shows it.
struct CommandEntry {
    // The bar that shows the button, the rows of one bar in their order on it; nullptr for
    // the buttons that only other windows place on their bars.
    const char *bar;
    const char *key;
    int icon; // position in ImageList1; -1 for none
    ButtonStyle style;
    bool showDropDown;
};

namespace MainCommandTable {

// Every fixed button of BuildMainCommandSet, as the command table lists
// them. The generated LANG:, TRANSLANG: and MYLANG: items are not in it.
TableView<CommandEntry> entries();

// Bars of BuildMainBars in the order created.
TableView<const char *> barKeys();
// The buttons whose Bar is the bar of the same key: the seven drop-down menus.
TableView<const char *> menuKeys();

} // namespace MainCommandTable
