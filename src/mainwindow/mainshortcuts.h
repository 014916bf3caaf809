#pragma once

#include <functional>

class AddressBar;
class FindBar;
class MainCommandBars;
class QWidget;

// The keys a user expects of a browser window. The keys of commands (the command table's)
// are chosen through the bars, so they reach the dispatcher as a click does; F12 spreads
// the window over the screen, and Ctrl+L, Alt+D and F6 go to the address bar with its text
// selected.
namespace MainShortcuts {

void install(QWidget &window, FindBar &findBar, AddressBar &addressBar, MainCommandBars &bars,
             std::function<void()> spreadOverScreen);

} // namespace MainShortcuts
