#pragma once

#include "browser/navigationpolicy.h"

#include <QWebEnginePage>

// The page behind EngineWebView: reports every navigation it starts, keeps new windows in
// the same view, refuses every address the navigation policy does not allow (so no page
// can hand an address to another program) and keeps the script console quiet on request.
class EngineWebPage : public QWebEnginePage {
    Q_OBJECT

public:
    explicit EngineWebPage(NavigationPolicy policy, QObject *parent = nullptr);

    void setSilent(bool silent) { m_silent = silent; }
    bool isSilent() const { return m_silent; }

Q_SIGNALS:
    // A navigation of the main frame or of a subframe is about to start (redirects included).
    void navigationStarting(const QUrl &url, bool isMainFrame);
    // A link, script or new window asked for an address that pages may not open.
    void navigationRefused(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int lineNumber, const QString &sourceID) override;

private:
    NavigationPolicy m_policy;
    bool m_silent = false;
};
