#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class BrowserTabs;
class LanguageFile;
class WebView;
struct ProgramState;

// Follows page loading: every tab's view reports here (a background tab moves the same
// bars, as the program always did), and this one place turns the events into the
// progress bar's value, the status line, the address bar's text, `CurrentURL` and
// `PageTitle`.
class PageTracker : public QObject {
    Q_OBJECT

public:
    PageTracker(BrowserTabs &tabs, ProgramState &state, const LanguageFile &language,
                QObject *parent = nullptr);

    // Connects the view's events; every tab's view is tracked.
    void track(WebView *view);

    int progress() const { return m_progress; }
    QString statusText() const { return m_statusText; }
    // `Timer5`: once the current view is idle its final address goes into the bar.
    QTimer &timer5() { return m_timer5; }

    void StatusTextChange(const QString &text);
    void ProgressChange(int progress, int maximum);
    void TitleChange(const QString &text);
    void BeforeNavigate2(const QString &address);
    void DocumentComplete(const QString &address);
    void WindowClosing(bool isChildWindow, bool *cancel);
    // A page asked for an address it may not open: the status line says so, never a
    // dialog a page could repeat without end.
    void NavigationRefused(const QString &address);

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
    ProgramState &m_state;
    const LanguageFile &m_language;
    QTimer m_timer5;
    int m_progress = 0;
    QString m_statusText;
};
