#include "webattend.h"

#include "webview.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

constexpr int FirstPauseMs = 500; // a load asked for just now begins within this
constexpr int CheckEveryMs = 100;

// Runs the event loop for ms, so the window paints and the page loads meanwhile; the
// user's clicks wait, so a command cannot start again inside its own wait.
void pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

WebAttend::WebAttend(std::function<WebView *()> currentView)
    : m_currentView(std::move(currentView)) {}

WebAttend::Result WebAttend::wait(int limitMs) const {
    QElapsedTimer clock;
    clock.start();
    pause(std::min(FirstPauseMs, limitMs));
    for (;;) {
        const WebView *view = m_currentView();
        if (!view)
            return Result::ViewGone;
        if (!view->busy() && view->readyState().toLower() == QLatin1String("complete"))
            return Result::Loaded;
        if (clock.elapsed() >= limitMs)
            return Result::TimedOut;
        pause(CheckEveryMs);
    }
}
