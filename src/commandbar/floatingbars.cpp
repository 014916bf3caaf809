#include "commandbar/floatingbars.h"

#include "core/programstate.h"
#include "desktop/twips.h"

#include <QCursor>
#include <QWidget>
#include <cmath>
#include <utility>

FloatingBars::FloatingBars(QWidget &window, QWidget &toolbarArea, QWidget &statusLine,
                           ProgramState &state, const Twips &twips, std::function<void()> placeView,
                           std::function<QWidget *()> currentView, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_toolbarArea(toolbarArea)
    , m_statusLine(statusLine)
    , m_state(state)
    , m_twips(twips)
    , m_placeView(std::move(placeView))
    , m_currentView(std::move(currentView)) {
    m_pointerTimer.setObjectName(QStringLiteral("Timer1"));
    connect(&m_pointerTimer, &QTimer::timeout, this, &FloatingBars::checkPointer);
}

void FloatingBars::start() {
    if (m_state.options.autoHideBars == 1) {
        m_pointerTimer.setInterval(5000);
        m_pointerTimer.start();
        m_state.barsShown = true;
    }
}

void FloatingBars::setFloating(bool on) {
    if (on) {
        m_pointerTimer.setInterval(750);
        m_pointerTimer.start();
        m_state.options.autoHideBars = 1;
        m_state.barsShown = true;
        hideBars();
    } else {
        m_pointerTimer.stop();
        m_state.options.autoHideBars = 0;
    }
}

void FloatingBars::menuOpened() {
    m_pointerTimer.stop();
}

void FloatingBars::menuClosed() {
    if (m_state.options.autoHideBars == 1)
        m_pointerTimer.start();
}

void FloatingBars::addressBarFocused() {
    m_pointerTimer.stop();
}

void FloatingBars::navigated() {
    if (m_state.options.autoHideBars)
        m_pointerTimer.start();
}

void FloatingBars::stop() {
    m_pointerTimer.stop();
}

void FloatingBars::showBars() {
    if (!m_state.barsShown) {
        m_statusLine.show();
        m_state.barsShown = true;
        m_placeView();
        m_window.activateWindow();
    }
}

void FloatingBars::hideBars() {
    if (!m_state.barsShown)
        return;
    m_statusLine.hide();
    m_state.barsShown = false;
    m_placeView();
    // The page covers the bars' strip.
    if (QWidget *view = m_currentView())
        view->raise();
}

void FloatingBars::checkPointer() {
    const double y = std::nearbyint(m_twips.fromPixels(QCursor::pos().y()));
    const double top = m_twips.fromPixels(m_window.frameGeometry().top());
    const double toolbarHeight = m_twips.fromPixels(m_toolbarArea.height());
    if (m_state.barsShown) {
        if (top + toolbarHeight + 400 > y)
            return;
        hideBars();
    } else if (top + 420 > y) {
        showBars();
        m_toolbarArea.raise();
        m_statusLine.raise();
    }
    if (m_pointerTimer.interval() != 1500)
        m_pointerTimer.setInterval(1500);
}
