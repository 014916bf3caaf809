#pragma once

#include <functional>

class AddressBar;
class FindBar;
class QWidget;

// The keys a user expects of a browser window: Ctrl+F finds on the page, F12 spreads the
// window over the screen, and Ctrl+L, Alt+D and F6 go to the address bar with its text
// selected.
namespace MainShortcuts {

void install(QWidget &window, FindBar &findBar, AddressBar &addressBar,
             std::function<void()> spreadOverScreen);

} // namespace MainShortcuts
