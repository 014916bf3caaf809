#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>

// Runs the event loop until condition holds or timeoutMs passed; returns the condition.
template <typename Condition> bool waitUntil(Condition condition, int timeoutMs = 15000) {
    if (condition())
        return true;
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    check.start(20);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return condition();
}
