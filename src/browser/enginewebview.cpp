#include "browser/enginewebview.h"

#include "browser/enginearchivesaver.h"
#include "browser/enginepageproperties.h"
#include "browser/enginepagescripts.h"
#include "browser/engineprinting.h"
#include "browser/enginescriptbridge.h"
#include "browser/enginewebpage.h"

#include <QChildEvent>
#include <QFile>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEngineFindTextResult>
#include <QWebEngineLoadingInfo>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

namespace {

const QString BridgeName = QStringLiteral("quortBridge");

QString addressOf(const QUrl &url) {
    return url.toString(QUrl::FullyEncoded);
}

} // namespace

EngineWebView::EngineWebView(QWidget *parent, NavigationPolicy policy)
    : WebView(parent)
    , m_policy(std::move(policy))
    , m_readyState(QStringLiteral("uninitialized")) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // Until it shows a page, the view is an empty white area.
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void EngineWebView::ensureEngine() {
    // A tab that is never opened never costs an engine page: the row of tabs is fixed, and
    // most of them stay unopened for a long time.
    if (m_view)
        return;
    m_view = new QWebEngineView(this);
    m_page = new EngineWebPage(m_policy, m_view);
    m_page->setSilent(m_silent);
    m_view->setPage(m_page);
    m_printing = new EnginePrinting(m_view, this);
    connect(m_printing, &EnginePrinting::printFinished, this, &EngineWebView::printFinished);
    // The channel's transport goes into the application world alone: the page's own scripts
    // never get it, so they can post nothing to the program.
    m_bridge = new EngineScriptBridge(this);
    m_channel = new QWebChannel(this);
    m_channel->registerObject(BridgeName, m_bridge);
    m_page->setWebChannel(m_channel, QWebEngineScript::ApplicationWorld);
    connect(m_bridge, &EngineScriptBridge::posted, this, &WebView::isolatedMessage);
    layout()->addWidget(m_view);
    setFocusProxy(m_view);
    // The page is drawn by a child the engine makes later; it gets the clicks.
    m_view->installEventFilter(this);
    connectPage();
}

bool EngineWebView::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_view && event->type() == QEvent::ChildAdded) {
        if (QObject *child = static_cast<QChildEvent *>(event)->child(); child->isWidgetType())
            child->installEventFilter(this);
    } else if (watched != m_view && event->type() == QEvent::MouseButtonRelease &&
               !m_hoveredLink.isEmpty() && !m_policy.allows(QUrl(m_hoveredLink))) {
        Q_EMIT navigationRefused(m_hoveredLink);
    }
    return WebView::eventFilter(watched, event);
}

EngineWebView::~EngineWebView() {
    // The engine answers pending script requests while the page goes; nothing may act on
    // those answers any more.
    *m_closing = true;
    // Saves and prints under way go first, so that none reports to a view half gone.
    qDeleteAll(findChildren<EngineArchiveSaver *>(Qt::FindDirectChildrenOnly));
    if (!m_view)
        return;
    m_page->disconnect(this);
    m_view->disconnect(this);
    m_printing->release();
}

void EngineWebView::connectPage() {
    connect(m_page, &EngineWebPage::navigationStarting, this,
            [this](const QUrl &url, bool isMainFrame) {
                m_requestSeen = m_requestSeen || isMainFrame;
                Q_EMIT navigationStarting(addressOf(url));
            });
    connect(m_page, &EngineWebPage::navigationRefused, this,
            [this](const QUrl &url) { Q_EMIT navigationRefused(addressOf(url)); });
    connect(m_page, &QWebEnginePage::loadingChanged, this,
            [this](const QWebEngineLoadingInfo &info) {
                if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus)
                    return;
                m_busy = true;
                m_readyState = QStringLiteral("loading");
                // The engine asks nothing before loading some pages (about:blank); they are
                // navigations all the same.
                if (!m_requestSeen)
                    Q_EMIT navigationStarting(addressOf(info.url()));
                m_requestSeen = false;
            });
    connect(m_page, &QWebEnginePage::loadProgress, this,
            [this](int progress) { Q_EMIT progressChange(progress, 100); });
    connect(m_page, &QWebEnginePage::titleChanged, this,
            [this](const QString &title) { Q_EMIT titleChange(title); });
    // The engine also reports "no link" at each navigation; only a change is news, so the
    // status line keeps what the load events put there.
    connect(m_page, &QWebEnginePage::linkHovered, this, [this](const QString &url) {
        if (url == m_hoveredLink)
            return;
        m_hoveredLink = url;
        Q_EMIT statusTextChange(url);
    });
    // Also after a failed load, so that whoever waits for the page stops waiting.
    connect(m_page, &QWebEnginePage::loadFinished, this, [this] {
        m_busy = false;
        m_requestSeen = false;
        m_readyState = QStringLiteral("complete");
        Q_EMIT documentComplete(addressOf(m_page->url()));
    });
    // A page may ask, never decide: whatever the handlers answer, nothing is closed.
    connect(m_page, &QWebEnginePage::windowCloseRequested, this, [this] {
        bool cancel = false;
        Q_EMIT windowClosing(false, &cancel);
    });
}

void EngineWebView::navigate(const QString &address) {
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid())
        return;
    ensureEngine();
    m_view->load(url);
}

void EngineWebView::goBack() {
    if (m_view)
        m_view->back();
}

void EngineWebView::goForward() {
    if (m_view)
        m_view->forward();
}

void EngineWebView::goHome() {
    // The engine has no home page of its own; an empty page needs no network.
    ensureEngine();
    m_view->load(QUrl(QStringLiteral("about:blank")));
}

double EngineWebView::zoomFactor() const {
    return m_view ? m_view->zoomFactor() : 1.0;
}

void EngineWebView::setZoomFactor(double factor) {
    ensureEngine();
    m_view->setZoomFactor(factor);
}

void EngineWebView::refresh() {
    if (m_view)
        m_view->reload();
}

void EngineWebView::stop() {
    if (m_view)
        m_view->stop();
}

void EngineWebView::runPageCommand(PageCommand command) {
    ensureEngine();
    switch (command) {
    case PageCommand::Print:
        m_printing->print();
        break;
    case PageCommand::PrintPreview:
        m_printing->printPreview();
        break;
    case PageCommand::PageSetup:
        m_printing->pageSetup();
        break;
    case PageCommand::Properties:
        showProperties();
        break;
    case PageCommand::Cut:
        m_view->triggerPageAction(QWebEnginePage::Cut);
        break;
    case PageCommand::Copy:
        m_view->triggerPageAction(QWebEnginePage::Copy);
        break;
    case PageCommand::Paste:
        m_view->triggerPageAction(QWebEnginePage::Paste);
        break;
    case PageCommand::SelectAll:
        m_view->triggerPageAction(QWebEnginePage::SelectAll);
        break;
    case PageCommand::ClearSelection:
        m_view->triggerPageAction(QWebEnginePage::Unselect);
        break;
    case PageCommand::Delete:
        // The engine has no delete action; the editing command acts on the focused field.
        m_page->runJavaScript(QStringLiteral("document.execCommand('delete')"));
        break;
    case PageCommand::Find:
        // The find bar lives outside the view and comes with its own command.
        break;
    case PageCommand::SaveAs:
        // Saving the page is the web archive's business.
        break;
    }
}

QString EngineWebView::locationURL() const {
    return m_page ? addressOf(m_page->url()) : QString();
}

QString EngineWebView::locationName() const {
    return m_page ? m_page->title() : QString();
}

QString EngineWebView::selectedText() const {
    return m_view ? m_view->selectedText() : QString();
}

void EngineWebView::setSilent(bool silent) {
    m_silent = silent;
    if (m_page)
        m_page->setSilent(silent);
}

void EngineWebView::findText(const QString &text, bool backward,
                             std::function<void(int matches)> done) {
    if (!m_page) {
        // Nothing shown, nothing found; answered later, as the engine does.
        QTimer::singleShot(0, this, [done] {
            if (done)
                done(0);
        });
        return;
    }
    const QWebEnginePage::FindFlags flags =
        backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags();
    m_page->findText(text, flags,
                     [closing = m_closing, done](const QWebEngineFindTextResult &result) {
                         if (!*closing && done)
                             done(result.numberOfMatches());
                     });
}

void EngineWebView::runScript(const QString &script, std::function<void(const QVariant &)> done) {
    if (!m_page) {
        QTimer::singleShot(0, this, [done] { done(QVariant()); });
        return;
    }
    m_page->runJavaScript(script, [closing = m_closing, done](const QVariant &result) {
        if (!*closing)
            done(result);
    });
}

void EngineWebView::requestPageSource(std::function<void(const QString &)> done) {
    runScript(QStringLiteral("document.documentElement ? document.documentElement.outerHTML : ''"),
              [done](const QVariant &result) { done(result.toString()); });
}

void EngineWebView::showProperties() {
    runScript(EnginePageScripts::pageFacts(), [this](const QVariant &result) {
        const QVariantList values = result.toList();
        EnginePageProperties::Facts facts;
        facts.title = m_page->title();
        facts.address = locationURL();
        facts.contentType = values.value(0).toString();
        facts.encoding = values.value(1).toString();
        facts.bytes = values.value(2).toString().toUtf8().size();
        auto *dialog = new EnginePageProperties(m_propertyTexts, facts, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
}

QString EngineWebView::title() const {
    return m_page ? m_page->title() : QString();
}

QImage EngineWebView::picture() const {
    // Grabbing paints the view afresh into a picture; it changes nothing that is shown.
    return const_cast<EngineWebView *>(this)->grab().toImage();
}

void EngineWebView::saveArchive(const QString &path,
                                std::function<void(bool ok, const QString &error)> done) {
    EngineArchiveSaver::save(m_page, path, std::move(done), this);
}

void EngineWebView::printToPdf(const QString &path, std::function<void(bool ok)> done) {
    if (!m_printing) {
        // Nothing shown, nothing to print.
        QTimer::singleShot(0, this, [done] { done(false); });
        return;
    }
    m_printing->printToPdf(path, std::move(done));
}

void EngineWebView::requestHtmlWithInlineImages(std::function<void(const QString &html)> done) {
    runScript(EnginePageScripts::htmlWithInlineImages(),
              [done](const QVariant &result) { done(result.toString()); });
}

void EngineWebView::requestHasContent(std::function<void(bool hasContent)> done) {
    runScript(EnginePageScripts::hasContent(),
              [done](const QVariant &result) { done(result.toBool()); });
}

void EngineWebView::ensureIsolatedBridge() {
    if (m_bridgeInstalled)
        return;
    m_bridgeInstalled = true;
    QFile client(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    client.open(QIODevice::ReadOnly);
    const QString source =
        EnginePageScripts::isolatedBridge(QString::fromUtf8(client.readAll()), BridgeName);
    // Pages never translated never pay for the channel's client; once asked for, every
    // later document of this view gets it before its own scripts run.
    QWebEngineScript script;
    script.setName(QStringLiteral("quort-isolated-bridge"));
    script.setSourceCode(source);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setRunsOnSubFrames(false);
    m_page->scripts().insert(script);
    m_page->runJavaScript(source, QWebEngineScript::ApplicationWorld);
}

void EngineWebView::runIsolatedScript(const QString &script,
                                      std::function<void(const QVariant &)> done) {
    if (!m_page) {
        if (done)
            QTimer::singleShot(0, this, [done] { done(QVariant()); });
        return;
    }
    ensureIsolatedBridge();
    m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                          [closing = m_closing, done](const QVariant &result) {
                              if (!*closing && done)
                                  done(result);
                          });
}
