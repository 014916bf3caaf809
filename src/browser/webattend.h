#pragma once

#include <functional>

class WebView;

// `WebAttend`: waits until a page has loaded, letting the window run meanwhile, and gives
// up after a time limit so a page that never ends cannot hang the program.
class WebAttend {
public:
    enum class Result { Loaded, TimedOut, ViewGone };

    static constexpr int DefaultLimitMs = 30000;

    // The view of the moment (the current tab's), asked again at every check.
    explicit WebAttend(std::function<WebView *()> currentView);

    // Waits first a moment for a load that was just asked for to begin, then until the
    // view is idle and its document complete.
    Result wait(int limitMs = DefaultLimitMs) const;

private:
    std::function<WebView *()> m_currentView;
};
