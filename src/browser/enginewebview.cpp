#include "browser/enginewebview.h"

#include "browser/enginewebpage.h"

#include <QChildEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineFindTextResult>
#include <QWebEngineLoadingInfo>
#include <QWebEngineView>

namespace {

// Rendering a page for print takes a few seconds at most; a preview never waits longer.
constexpr int PrintTimeLimitMs = 60000;

QString addressOf(const QUrl &url) {
    return url.toString(QUrl::FullyEncoded);
}

void addRow(QFormLayout *form, const QString &name, const QString &objectName,
            const QString &value) {
    auto *label = new QLabel(value);
    label->setObjectName(objectName);
    label->setAccessibleName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    form->addRow(name + QLatin1Char(':'), label);
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
    m_closing = true;
    delete m_view;
}

void EngineWebView::connectPage() {
    connect(m_page, &EngineWebPage::navigationStarting, this,
            [this](const QUrl &url, bool isMainFrame) {
                m_requestSeen = m_requestSeen || isMainFrame;
                Q_EMIT beforeNavigate2(addressOf(url));
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
                    Q_EMIT beforeNavigate2(addressOf(info.url()));
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
    // The page's own print button asks as the print command does.
    connect(m_view, &QWebEngineView::printRequested, this, &EngineWebView::print);
    connect(m_view, &QWebEngineView::printFinished, this, [this](bool ok) {
        if (m_printing && !m_previewing)
            finishPrint(ok);
    });
    connect(m_page, &QWebEnginePage::pdfPrintingFinished, this, [this](const QString &, bool ok) {
        if (m_printing)
            finishPrint(ok);
    });
}

void EngineWebView::navigate(const QString &address) {
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid())
        return;
    ensureEngine();
    m_view->load(url);
}

void EngineWebView::navigate2(const QString &address) {
    navigate(address);
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

void EngineWebView::refresh() {
    if (m_view)
        m_view->reload();
}

void EngineWebView::stop() {
    if (m_view)
        m_view->stop();
}

void EngineWebView::execWB(PageCommand command) {
    ensureEngine();
    switch (command) {
    case PageCommand::Print:
        print();
        break;
    case PageCommand::PrintPreview:
        printPreview();
        break;
    case PageCommand::PageSetup:
        pageSetup();
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
    m_page->findText(text, flags, [this, done](const QWebEngineFindTextResult &result) {
        if (!m_closing && done)
            done(result.numberOfMatches());
    });
}

void EngineWebView::requestPageSource(std::function<void(const QString &)> done) {
    if (!m_page) {
        QTimer::singleShot(0, this, [done] { done(QString()); });
        return;
    }
    m_page->runJavaScript(
        QStringLiteral("document.documentElement ? document.documentElement.outerHTML : ''"),
        [this, done](const QVariant &result) {
            if (!m_closing)
                done(result.toString());
        });
}

QPrinter *EngineWebView::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
        // The engine rasterises the page; this keeps print text sharp.
        m_printer->setResolution(300);
    }
    return m_printer.get();
}

void EngineWebView::print() {
    if (m_printing || m_previewing)
        return;
    auto *dialog = new QPrintDialog(printer(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, &EngineWebView::startPrint);
    dialog->open();
}

void EngineWebView::startPrint() {
    // The printer stays ours until the engine reports the job done.
    QPrinter *target = printer();
    m_printing = true;
    // A PDF file gets the engine's own PDF, whose text stays text; a printer gets pictures
    // of the pages.
    if (target->outputFormat() == QPrinter::PdfFormat && !target->outputFileName().isEmpty())
        m_page->printToPdf(target->outputFileName(), target->pageLayout(), target->pageRanges());
    else
        m_view->print(target);
}

void EngineWebView::finishPrint(bool ok) {
    m_printing = false;
    Q_EMIT printFinished(ok);
}

void EngineWebView::printPreview() {
    auto *dialog = new QPrintPreviewDialog(printer(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this, &EngineWebView::paintInto);
    dialog->open();
}

void EngineWebView::paintInto(QPrinter *target) {
    // The preview wants its pages painted before this returns; the engine renders
    // asynchronously, so wait for it here with the event loop running.
    if (m_printing || m_previewing)
        return;
    m_previewing = true;
    QPointer<EngineWebView> self(this);
    QEventLoop loop;
    connect(m_view, &QWebEngineView::printFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(PrintTimeLimitMs, &loop, &QEventLoop::quit);
    m_view->print(target);
    loop.exec();
    if (self)
        m_previewing = false;
}

void EngineWebView::pageSetup() {
    // Modal on purpose: this dialog hands its choices to the printer only when run by exec().
    QPointer<QPageSetupDialog> dialog = new QPageSetupDialog(printer(), this);
    dialog->exec();
    delete dialog;
}

void EngineWebView::showProperties() {
    const QString script =
        QStringLiteral("[document.contentType, document.characterSet,"
                       " document.documentElement ? document.documentElement.outerHTML : '']");
    m_page->runJavaScript(script, [this](const QVariant &result) {
        if (m_closing)
            return;
        const QVariantList values = result.toList();
        auto *dialog = new QDialog(this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setObjectName(QStringLiteral("pageProperties"));
        dialog->setWindowTitle(m_propertyTexts.window);
        auto *form = new QFormLayout;
        addRow(form, m_propertyTexts.title, QStringLiteral("title"), m_page->title());
        addRow(form, m_propertyTexts.address, QStringLiteral("address"), locationURL());
        addRow(form, m_propertyTexts.type, QStringLiteral("contentType"),
               values.value(0).toString());
        const auto bytes = values.value(2).toString().toUtf8().size();
        addRow(form, m_propertyTexts.size, QStringLiteral("size"),
               m_propertyTexts.bytes.arg(bytes));
        addRow(form, m_propertyTexts.encoding, QStringLiteral("encoding"),
               values.value(1).toString());
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
        connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
        auto *layout = new QVBoxLayout(dialog);
        layout->addLayout(form);
        layout->addWidget(buttons);
        dialog->open();
    });
}
