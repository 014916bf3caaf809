#pragma once

#include <QWebEnginePage>

// The page behind EngineWebView: reports every navigation it starts, keeps new windows in
// the same view and keeps the script console quiet on request.
class EngineWebPage : public QWebEnginePage {
    Q_OBJECT

public:
    explicit EngineWebPage(QObject *parent = nullptr);

    void setSilent(bool silent) { m_silent = silent; }
    bool isSilent() const { return m_silent; }

Q_SIGNALS:
    // A navigation of the main frame or of a subframe is about to start (redirects included).
    void navigationStarting(const QUrl &url, bool isMainFrame);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int lineNumber, const QString &sourceID) override;

private:
    bool m_silent = false;
};
