#pragma once

class AddressBar;
class BrowserTabs;
class LinkTable;
class QWidget;
class SecondaryWindows;
struct ProgramState;

// Opening the link table: the link table over the main window, then the current tab goes to the
// link chosen there, as if typed into the address bar but without entering the history.
namespace MainLinkTable {

// The page added as a link is the current tab's, as the user sees it.
void open(SecondaryWindows &windows, LinkTable &table, ProgramState &state, BrowserTabs &tabs,
          AddressBar &addressBar, QWidget *owner);

} // namespace MainLinkTable
