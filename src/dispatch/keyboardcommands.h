#pragma once

#include "commandbar/commandaction.h"

#include <QString>

class BrowserTabs;

// The commands that only a key gives, having no button: moving between the tabs of the
// fixed row and zooming the current page. The main dispatcher hands them the actions the
// command table names for their keys.
class KeyboardCommands {
public:
    explicit KeyboardCommands(BrowserTabs &tabs);

    // Runs the action; key is the one it came with (KEY:TAB1 names the first tab). False for
    // an action that is not the keyboard's.
    bool run(CommandAction action, const QString &key);

private:
    void showTab(int index);
    void nextTab();
    void previousTab();
    void numberedTab(const QString &key);
    void zoom(int direction);

    BrowserTabs &m_tabs;
};
