#include "browser/enginewebpage.h"

#include <QTimer>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>

EngineWebPage::EngineWebPage(NavigationPolicy policy, QObject *parent)
    : QWebEnginePage(parent)
    , m_policy(std::move(policy)) {
    // The engine would otherwise offer an unknown scheme to the desktop's handler.
    settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    // A page that asks for a new window or tab gets its address opened here instead. The
    // load waits for the engine to finish handling the request; loading from inside it
    // would re-enter the engine.
    connect(this, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest &request) {
                const QUrl url = request.requestedUrl();
                // An empty window has nothing to show and would wipe this page; the engine
                // also asks for one (about:blank#blocked) in place of an address it refused
                // itself, such as a script address.
                if (url.isEmpty() || url.scheme() == QLatin1String("about")) {
                    if (url.fragment() == QLatin1String("blocked"))
                        Q_EMIT navigationRefused(url);
                    return;
                }
                if (!m_policy.allows(url))
                    Q_EMIT navigationRefused(url);
                else
                    QTimer::singleShot(0, this, [this, url] { load(url); });
            });
}

bool EngineWebPage::acceptNavigationRequest(const QUrl &url, NavigationType type,
                                            bool isMainFrame) {
    Q_UNUSED(type);
    if (!m_policy.allows(url)) {
        Q_EMIT navigationRefused(url);
        return false;
    }
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
