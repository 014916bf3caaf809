#include "browser/enginewebpage.h"

#include <QTimer>
#include <QWebEngineNewWindowRequest>

EngineWebPage::EngineWebPage(QObject *parent)
    : QWebEnginePage(parent) {
    // A page that asks for a new window or tab gets its address opened here instead. The
    // load waits for the engine to finish handling the request; loading from inside it
    // would re-enter the engine.
    connect(this, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest &request) {
                const QUrl url = request.requestedUrl();
                if (!url.isEmpty())
                    QTimer::singleShot(0, this, [this, url] { load(url); });
            });
}

bool EngineWebPage::acceptNavigationRequest(const QUrl &url, NavigationType type,
                                            bool isMainFrame) {
    Q_UNUSED(type);
    Q_EMIT navigationStarting(url, isMainFrame);
    return true;
}

QWebEnginePage *EngineWebPage::createWindow(WebWindowType type) {
    Q_UNUSED(type);
    // No second window: the request's address is already on its way into this page.
    return nullptr;
}

void EngineWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                             const QString &message, int lineNumber,
                                             const QString &sourceID) {
    if (m_silent)
        return;
    QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceID);
}
