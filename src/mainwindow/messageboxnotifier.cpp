#include "messageboxnotifier.h"

#include <QMessageBox>

MessageBoxNotifier::MessageBoxNotifier(QWidget *owner)
    : m_owner(owner) {}

void MessageBoxNotifier::inform(const QString &title, const QString &text) {
    QMessageBox::information(m_owner, title, text);
}

void MessageBoxNotifier::warn(const QString &title, const QString &text) {
    QMessageBox::warning(m_owner, title, text);
}

bool MessageBoxNotifier::ask(const QString &title, const QString &text) {
    return QMessageBox::question(m_owner, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}
