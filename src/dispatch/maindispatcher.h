#pragma once

#include <QString>

class MainWindow;

// Turns the key of the button the user chose on the main window into its action.
// Bars 0 (main toolbar), 2 (shortcut toolbar) and 3 (every drop-down menu) are handled;
// a click from any other bar does nothing.
class MainDispatcher {
public:
    explicit MainDispatcher(MainWindow &window);

    void ButtonClick(int barIndex, const QString &key);
    void MenuOpened(int barIndex);
    void MenuClosed(int barIndex);

private:
    MainWindow &m_window;
};
