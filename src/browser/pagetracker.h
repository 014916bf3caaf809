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
    // the settle timer: once the current view is idle its final address goes into the bar.
    QTimer &settleTimer() { return m_settleTimer; }

    void showStatusText(const QString &text);
    void showTitle(const QString &text);
    void navigationStarted(const QString &address);
    void loadFinished();
    // A page asked for an address it may not open: the status line says so, never a
    // dialog a page could repeat without end.
    void showRefusedNavigation(const QString &address);
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
    void showSettledAddress();

    BrowserTabs &m_tabs;
    const LanguageFile &m_language;
    QTimer m_settleTimer;
    int m_progress = 0;
    QString m_statusText;
};
