#pragma once

#include <QString>

class BrowserTabs;

// The commands that only a key gives, having no button: moving between the tabs of the
// fixed row and zooming the current page. The main dispatcher hands them their keys, as
// it hands the buttons' keys to its own actions.
class KeyboardCommands {
public:
    explicit KeyboardCommands(BrowserTabs &tabs);

    // Runs the command of key; false for a key it does not know.
    bool run(const QString &key);

    using Action = void (KeyboardCommands::*)();
    struct Command {
        const char *key;
        Action action;
    };

private:
    static const Command Keys[];

    void showTab(int index);
    void nextTab();
    void previousTab();
    void numberedTab();
    void zoom(int direction);
    void zoomIn();
    void zoomOut();
    void zoomReset();

    BrowserTabs &m_tabs;
    QString m_key; // the key being run
};
