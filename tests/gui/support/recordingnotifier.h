#pragma once

#include "core/notifier.h"

#include <QStringList>

// Keeps what the user would have been told; answers questions as the test says.
class RecordingNotifier : public Notifier {
public:
    void inform(const QString &title, const QString &text) override {
        messages.append(title + QLatin1String(": ") + text);
    }
    void warn(const QString &title, const QString &text) override {
        messages.append(title + QLatin1String(": ") + text);
    }
    bool ask(const QString &title, const QString &text) override {
        messages.append(title + QLatin1String(": ") + text);
        return answer;
    }

    QStringList messages;
    bool answer = true;
};
