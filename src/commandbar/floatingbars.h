#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;
class Twips;
struct ProgramState;

// Floating bars: while they are on, the bars' strip and the status line hide when the
// pointer leaves the top of the window and come back when it returns there. `Timer1`
// watches the pointer; `BarsShown` in the program state says what is shown now.
class FloatingBars : public QObject {
    Q_OBJECT

public:
    // window: the main window; toolbarArea: the bars' strip; statusLine: the status strip.
    // placeView places the current page again after the strips came or went;
    // currentView gives that page (may be nullptr).
    FloatingBars(QWidget &window, QWidget &toolbarArea, QWidget &statusLine, ProgramState &state,
                 const Twips &twips, std::function<void()> placeView,
                 std::function<QWidget *()> currentView, QObject *parent = nullptr);

    QTimer &pointerTimer() { return m_pointerTimer; }

    // At start-up: floating bars stay shown for five seconds first.
    void start();
    // FILE:FLOATING: on hides the bars at once and starts watching; off stops watching.
    void setFloating(bool on);
    // An open menu must not slide away; watching resumes when it closes.
    void menuOpened();
    void menuClosed();
    // While the user types an address, the bars stay; after a navigation they float on.
    void addressBarFocused();
    void navigated();
    // Stops watching for good (the program ends).
    void stop();

    void showBars();
    void hideBars();

private:
    void checkPointer();

    QWidget &m_window;
    QWidget &m_toolbarArea;
    QWidget &m_statusLine;
    ProgramState &m_state;
    const Twips &m_twips;
    std::function<void()> m_placeView;
    std::function<QWidget *()> m_currentView;
    QTimer m_pointerTimer;
};
