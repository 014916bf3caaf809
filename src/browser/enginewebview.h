#pragma once

#include "browser/navigationpolicy.h"
#include "browser/webview.h"

#include <functional>
#include <memory>

class EnginePrinting;
class EngineScriptBridge;
class EngineWebPage;
class QWebChannel;
class QWebEngineView;

// The web view on QtWebEngine.
//
// Events: navigationStarting for every navigation of the main frame and of its subframes,
// back, forward and reload included, and for a server redirect with the address
// redirected to; progressChange from the engine's load progress (out of 100);
// titleChange (the engine first offers the address as a title until the page has one);
// statusTextChange with the hovered link's address, and an empty text when the pointer
// leaves it; documentComplete when the main frame has finished loading, with the page's
// address, also when the load failed or was stopped. The engine reports no completion per
// frame, so frames give no documentComplete. A jump to an anchor of the same page loads
// nothing and reports nothing.
//
// busy() and readyState() follow the engine's load signals, because the document answers
// scripts only asynchronously: readyState is "uninitialized" before the first load,
// "loading" from the start of a load and "complete" once it has finished; it never
// reports "interactive" and is never "complete" while a load runs. The engine starts a
// load just after navigate() returns: wait for navigationStarting or documentComplete, not
// for busy() to turn true.
//
// Only addresses the navigation policy allows are loaded; any other is refused and
// reported by navigationRefused, whether a link, a script or a new window asked for it.
// A link or script asking for a new window loads its address in this view. A page may
// ask to close its window (windowClosing, never as a child window); nothing is closed
// whatever the handlers answer. Silent keeps the page's console messages out of the log;
// the page's own alert, confirm and prompt dialogs still show, they are its content, and
// the engine shows no script-error dialogs in any case.
//
// Addresses are given percent-encoded, as they travel.
//
// Callbacks (done) run later on this thread, never inside the call; a view closed first
// calls nobody back.
class EngineWebView : public WebView {
    Q_OBJECT

public:
    explicit EngineWebView(QWidget *parent = nullptr, NavigationPolicy policy = NavigationPolicy());
    ~EngineWebView() override;

    void navigate(const QString &address) override;
    void goBack() override;
    void goForward() override;
    void goHome() override;
    void refresh() override;
    void stop() override;
    void runPageCommand(PageCommand command) override;
    double zoomFactor() const override;
    void setZoomFactor(double factor) override;

    bool busy() const override { return m_busy; }
    QString readyState() const override { return m_readyState; }
    QString locationURL() const override;
    QString locationName() const override;
    QString selectedText() const override;

    void setSilent(bool silent) override;
    // Nothing outside the program can find an engine view; there is nothing to offer.

    // The page source as the document holds it now (outerHTML of its root element); done
    // runs later on this thread, with an empty string when there is no document.
    void requestPageSource(std::function<void(const QString &)> done) override;
    void findText(const QString &text, bool backward,
                  std::function<void(int matches)> done) override;

    QString title() const override;
    // What the engine last drew; a view that never showed a page is white.
    QImage picture() const override;
    void saveArchive(const QString &path,
                     std::function<void(bool ok, const QString &error)> done) override;
    // Uses the page setup chosen for printing. Fails while a print or preview runs.
    void printToPdf(const QString &path, std::function<void(bool ok)> done) override;
    void requestHtmlWithInlineImages(std::function<void(const QString &html)> done) override;
    void requestHasContent(std::function<void(bool hasContent)> done) override;
    // In the engine's application world. Messages travel over a web channel whose transport
    // only that world holds: they arrive as they are posted, with no timer asking.
    void runIsolatedScript(const QString &script,
                           std::function<void(const QVariant &)> done = nullptr) override;

    // The engine's own view, for the features built directly on it (find bar).
    // Made on first use, as for a page.
    QWebEngineView *engineView() {
        ensureEngine();
        return m_view;
    }

Q_SIGNALS:
    // A print job started from the print dialog has ended; ok is false if it failed.
    void printFinished(bool ok);

protected:
    // Watches clicks on the page: the engine drops a link to a refused scheme without a
    // word, and the user should learn why nothing happened.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectPage();
    void showProperties();
    // Runs script in the page and hands its value to done; a view without a page hands
    // over an empty value.
    void runScript(const QString &script, std::function<void(const QVariant &)> done);

    void ensureEngine();
    // Defines quortPost in the isolated world of this document and of every later one.
    void ensureIsolatedBridge();

    NavigationPolicy m_policy;
    QWebEngineView *m_view = nullptr;
    EngineWebPage *m_page = nullptr;
    EnginePrinting *m_printing = nullptr;
    QWebChannel *m_channel = nullptr;
    EngineScriptBridge *m_bridge = nullptr;
    bool m_bridgeInstalled = false;
    bool m_silent = false;
    // Set when the view goes; the page may outlive it and still answer.
    std::shared_ptr<bool> m_closing = std::make_shared<bool>(false);
    bool m_busy = false;
    // A main-frame navigation request came for the load under way.
    bool m_requestSeen = false;
    QString m_readyState;
    QString m_hoveredLink;
};
