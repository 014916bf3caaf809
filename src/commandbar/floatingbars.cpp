#include "commandbar/floatingbars.h"

#include "core/programstate.h"
#include "desktop/twips.h"

#include <QCursor>
#include <QWidget>
#include <cmath>
#include <utility>

FloatingBars::FloatingBars(QWidget &window, QWidget &picBar, QWidget &statusLine,
                           ProgramState &state, const Twips &twips, std::function<void()> placeView,
                           std::function<QWidget *()> currentView, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_picBar(picBar)
    , m_statusLine(statusLine)
    , m_state(state)
    , m_twips(twips)
    , m_placeView(std::move(placeView))
    , m_currentView(std::move(currentView)) {
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    connect(&m_timer1, &QTimer::timeout, this, &FloatingBars::timer1Tick);
}

void FloatingBars::start() {
    if (m_state.options.autoHideBars == 1) {
        m_timer1.setInterval(5000);
        m_timer1.start();
        m_state.barsShown = true;
    }
}

void FloatingBars::setFloating(bool on) {
    if (on) {
        m_timer1.setInterval(750);
        m_timer1.start();
        m_state.options.autoHideBars = 1;
        m_state.barsShown = true;
        GO_BarOff();
    } else {
        m_timer1.stop();
        m_state.options.autoHideBars = 0;
    }
}

void FloatingBars::menuOpened() {
    m_timer1.stop();
}

void FloatingBars::menuClosed() {
    if (m_state.options.autoHideBars == 1)
        m_timer1.start();
}

void FloatingBars::addressBarFocused() {
    m_timer1.stop();
}

void FloatingBars::navigated() {
    if (m_state.options.autoHideBars)
        m_timer1.start();
}

void FloatingBars::stop() {
    m_timer1.stop();
}

void FloatingBars::GO_BarOn() {
    if (!m_state.barsShown) {
        m_statusLine.show();
        m_state.barsShown = true;
        m_placeView();
        m_window.activateWindow();
    }
}

void FloatingBars::GO_BarOff() {
    if (!m_state.barsShown)
        return;
    m_statusLine.hide();
    m_state.barsShown = false;
    m_placeView();
    // The page covers the bars' strip.
    if (QWidget *view = m_currentView())
        view->raise();
}

void FloatingBars::timer1Tick() {
    const double y = std::nearbyint(m_twips.fromPixels(QCursor::pos().y()));
    const double top = m_twips.fromPixels(m_window.frameGeometry().top());
    const double picBarHeight = m_twips.fromPixels(m_picBar.height());
    if (m_state.barsShown) {
        if (top + picBarHeight + 400 > y)
            return;
        GO_BarOff();
    } else if (top + 420 > y) {
        GO_BarOn();
        m_picBar.raise();
        m_statusLine.raise();
    }
    if (m_timer1.interval() != 1500)
        m_timer1.setInterval(1500);
}
