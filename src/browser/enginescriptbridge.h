#pragma once

#include <QObject>
#include <QString>

// The one object the program's own script world reaches over the web channel. Only that
// world holds the channel's transport, so nothing the page runs can post through it.
class EngineScriptBridge : public QObject {
    Q_OBJECT

public:
    // Longer texts are dropped: no script should make the program hold more than this.
    static constexpr int MaxTextChars = 4 * 1024 * 1024;

    using QObject::QObject;

public Q_SLOTS:
    void post(const QString &text);

Q_SIGNALS:
    void posted(const QString &text);
};
