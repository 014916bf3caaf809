#pragma once

class AddressBar;
class LinkTable;
class QWidget;
class SecondaryWindows;
struct ProgramState;

// GO_LinkTable: the link table over the main window, then the current tab goes to the link
// chosen there, as if typed into the address bar but without entering the history.
namespace MainLinkTable {

void open(SecondaryWindows &windows, LinkTable &table, ProgramState &state, AddressBar &addressBar,
          QWidget *owner);

} // namespace MainLinkTable
