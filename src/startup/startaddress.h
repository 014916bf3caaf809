#pragma once

#include <QString>
#include <QStringList>

class AddressBar;
class BrowserTabs;
class MainMessages;
class ProgramFiles;
struct ProgramState;

// What tab 0 opens at start-up: an address handed over on the command line (a link
// opened from another program, the desktop entry's %u) in place of the home address,
// else the home address. Only the one page is asked for, so the tab's back list holds
// nothing before it.
namespace StartAddress {

// The address among the program's arguments (the first one after the program's name
// that is not an option), or "" when there is none.
QString fromArguments(const QStringList &arguments);

// Opens tab 0. A given address goes through the address bar as one typed there and
// entered: "http://" in front of text without a scheme, the history as for a typed
// address, and a refusal with a message when it is too long, after which the home
// address opens instead. The home address is made good (the default when empty or too
// long) in every case, as it is stored at exit.
void open(const QString &given, ProgramState &state, const ProgramFiles &files, AddressBar &bar,
          BrowserTabs &tabs, const MainMessages &messages);

} // namespace StartAddress
