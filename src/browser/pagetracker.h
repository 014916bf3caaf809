#pragma once

#include "browsertabs.h"

#include <QObject>
#include <QString>
#include <QTimer>

class LanguageFile;

// Follows page loading: the tabs pass on the current tab's events, and this one place
// turns them into the progress bar's value, the status line and the address bar's text.
// When the user switches tabs, the bars show that tab's own values at once.
class PageTracker : public QObject {
    Q_OBJECT

public:
    PageTracker(BrowserTabs &tabs, const LanguageFile &language, QObject *parent = nullptr);

    int progress() const { return m_progress; }
    QString statusText() const { return m_statusText; }
    // `Timer5`: once the current view is idle its final address goes into the bar.
    QTimer &timer5() { return m_timer5; }

    void StatusTextChange(const QString &text);
    void TitleChange(const QString &text);
    void BeforeNavigate2(const QString &address);
    void DocumentComplete();
    // A page asked for an address it may not open: the status line says so, never a
    // dialog a page could repeat without end.
    void NavigationRefused(const QString &address);
    // The tab the user switched to, as it stands.
    void showPage(const BrowserTabs::Page &page);

Q_SIGNALS:
    void progressChanged(int progress);
    void statusTextChanged(const QString &text);
    // The address bar shows this text now.
    void addressTextChanged(const QString &text);

private:
    void setProgress(int progress);
    void setStatusText(const QString &text);
    void timer5Tick();

    BrowserTabs &m_tabs;
    const LanguageFile &m_language;
    QTimer m_timer5;
    int m_progress = 0;
    QString m_statusText;
};
