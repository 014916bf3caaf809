#pragma once

#include "core/notifier.h"

class QWidget;

// The user is told in message boxes over the given window.
class MessageBoxNotifier : public Notifier {
public:
    explicit MessageBoxNotifier(QWidget *owner = nullptr);
    void setOwner(QWidget *owner) { m_owner = owner; }

    void inform(const QString &title, const QString &text) override;
    void warn(const QString &title, const QString &text) override;
    bool ask(const QString &title, const QString &text) override;

private:
    QWidget *m_owner;
};
