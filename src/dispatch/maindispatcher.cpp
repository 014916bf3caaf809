#include "maindispatcher.h"

#include "app/mainwindow.h"

MainDispatcher::MainDispatcher(MainWindow &window)
    : m_window(window) {}

void MainDispatcher::ButtonClick(int barIndex, const QString &key) {
    // Keys are compared exactly, per bar.
    switch (barIndex) {
    case 0:
        if (key == QLatin1String("EXIT0"))
            m_window.GO_Exit();
        break;
    case 2:
        if (key == QLatin1String("EXIT2"))
            m_window.GO_Exit();
        break;
    case 3:
        if (key == QLatin1String("EDIT:EXIT"))
            m_window.GO_Exit();
        break;
    default:
        break;
    }
}

void MainDispatcher::MenuOpened(int /*barIndex*/) {
    // Bars that float must not slide away under an open menu.
    m_window.timer1().stop();
}

void MainDispatcher::MenuClosed(int /*barIndex*/) {
    if (m_window.state().options.autoHideBars == 1)
        m_window.timer1().start();
}
