#pragma once

#include "settings/languagefile.h"
#include "text/textfile.h"

#include <QApplication>
#include <QEventLoop>
#include <QStringList>
#include <QTimer>
#include <QWidget>

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

// The shipped language file of that name, with extra lines read after it (a later
// setting wins).
inline LanguageFile shippedLanguage(const QString &name, const QStringList &extraLines = {}) {
    QStringList lines =
        TextFile::readLines(QStringLiteral(QUORT_SOURCE_DATA) +
                            QStringLiteral("/languages/Trans_") + name + QStringLiteral(".txt"))
            .value_or(QStringList());
    lines += extraLines;
    LanguageFile language;
    language.parse(lines);
    return language;
}

// The visible top-level windows of that object name.
inline QList<QWidget *> visibleWindows(const QString &objectName) {
    QList<QWidget *> found;
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (widget->objectName() == objectName && widget->isVisible())
            found.append(widget);
    }
    return found;
}
