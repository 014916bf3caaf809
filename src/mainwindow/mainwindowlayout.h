#pragma once

#include "core/settingsvalues.h"
#include "mainwindow/mainlayout.h"

#include <QSizeF>

class AddressBar;
class BrowserTabs;
class CommandRegistry;
class FindBar;
class MainCommandBars;
class QWidget;
class StatusLine;
class TabStrip;
class Twips;
struct ProgramState;

// Places the main window's controls: the numbers come from MainLayout, this class puts
// the widgets there in pixels. Runs on every resize, tab switch and change of the bars.
class MainWindowLayout {
public:
    struct Parts {
        QWidget &window;
        QWidget &toolbarArea;
        StatusLine &statusLine;
        MainCommandBars &bars;
        TabStrip &tabStrip;
        AddressBar &addressBar;
        FindBar &findBar;
        // The page translation's offer bar, above the page while it shows.
        QWidget &offerBar;
        BrowserTabs &tabs;
        CommandRegistry &registry;
        const ProgramState &state;
        const Twips &twips;
    };

    explicit MainWindowLayout(const Parts &parts);

    // The layout step; nothing moves while the layout is frozen.
    void layoutStep();
    // `placeCurrentView`: places the view of tab index.
    void placeCurrentView(int index);
    // `LayoutFrozen`: holds every control where it is (a picture of the page is taken).
    void setFrozen(bool frozen) { m_frozen = frozen; }

    // The stored placement of the settings, brought onto a screen; window mode 2 covers
    // the primary screen.
    void placeWindow();
    // F12: the window covers the screen it is on.
    void spreadOverScreen();
    QSizeF screenSizeInTwips() const;
    // The window's placement now, in twips, as the settings file stores it.
    Placement<double> placementInTwips() const;

private:
    MainLayoutInput input() const;

    Parts m_parts;
    bool m_frozen = false;
};
