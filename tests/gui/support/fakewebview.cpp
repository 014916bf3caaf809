#include "support/fakewebview.h"

#include <QFile>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

FakeWebView::FakeWebView(QWidget *parent)
    : WebView(parent) {}

void FakeWebView::navigate(const QString &address) {
    record(QStringLiteral("navigate ") + address);
    m_navigations.append(address);
}

void FakeWebView::goBack() {
    record(QStringLiteral("goBack"));
}

void FakeWebView::goForward() {
    record(QStringLiteral("goForward"));
}

void FakeWebView::goHome() {
    record(QStringLiteral("goHome"));
}

void FakeWebView::refresh() {
    record(QStringLiteral("refresh"));
}

void FakeWebView::stop() {
    record(QStringLiteral("stop"));
}

void FakeWebView::runPageCommand(PageCommand command) {
    record(QStringLiteral("runPageCommand ") + commandName(command));
    m_commands.append(command);
}

void FakeWebView::setSilent(bool silent) {
    record(QStringLiteral("setSilent ") +
           (silent ? QStringLiteral("true") : QStringLiteral("false")));
    m_silent = silent;
}

void FakeWebView::clearCalls() {
    m_calls.clear();
    m_navigations.clear();
    m_commands.clear();
}

void FakeWebView::setLocation(const QString &url, const QString &name) {
    m_locationUrl = url;
    m_locationName = name;
}

void FakeWebView::simulateLoad(const QString &address, const QString &title) {
    Q_EMIT navigationStarting(address);
    m_busy = true;
    m_readyState = QStringLiteral("loading");
    Q_EMIT progressChange(50, 100);
    Q_EMIT progressChange(100, 100);
    m_title = title;
    Q_EMIT titleChange(title);
    setLocation(address, title);
    m_busy = false;
    m_readyState = QStringLiteral("complete");
    Q_EMIT documentComplete(address);
}

bool FakeWebView::simulateWindowClosing(bool isChildWindow) {
    bool cancel = false;
    Q_EMIT windowClosing(isChildWindow, &cancel);
    return cancel;
}

QString FakeWebView::commandName(PageCommand command) {
    switch (command) {
    case PageCommand::SaveAs:
        return QStringLiteral("SaveAs");
    case PageCommand::Print:
        return QStringLiteral("Print");
    case PageCommand::PrintPreview:
        return QStringLiteral("PrintPreview");
    case PageCommand::PageSetup:
        return QStringLiteral("PageSetup");
    case PageCommand::Properties:
        return QStringLiteral("Properties");
    case PageCommand::Cut:
        return QStringLiteral("Cut");
    case PageCommand::Copy:
        return QStringLiteral("Copy");
    case PageCommand::Paste:
        return QStringLiteral("Paste");
    case PageCommand::SelectAll:
        return QStringLiteral("SelectAll");
    case PageCommand::ClearSelection:
        return QStringLiteral("ClearSelection");
    case PageCommand::Find:
        return QStringLiteral("Find");
    case PageCommand::Delete:
        return QStringLiteral("Delete");
    }
    return QString::number(static_cast<int>(command));
}

void FakeWebView::requestPageSource(std::function<void(const QString &)> done) {
    record(QStringLiteral("requestPageSource"));
    // The real view answers later, never inside the call.
    QMetaObject::invokeMethod(
        this, [this, done] { done(m_pageSource); }, Qt::QueuedConnection);
}

void FakeWebView::findText(const QString &text, bool backward,
                           std::function<void(int matches)> done) {
    record(QStringLiteral("findText ") + text +
           (backward ? QStringLiteral(" backward") : QString()));
    if (done)
        QMetaObject::invokeMethod(
            this, [this, done] { done(m_matches); }, Qt::QueuedConnection);
}

void FakeWebView::later(std::function<void()> answer) {
    QMetaObject::invokeMethod(this, std::move(answer), Qt::QueuedConnection);
}

void FakeWebView::setArchiveResult(bool ok, const QString &error) {
    m_archiveOk = ok;
    m_archiveError = error;
}

void FakeWebView::saveArchive(const QString &path,
                              std::function<void(bool ok, const QString &error)> done) {
    record(QStringLiteral("saveArchive ") + path);
    later([this, path, done] {
        bool ok = m_archiveOk && !m_locationUrl.isEmpty();
        QString error =
            m_locationUrl.isEmpty() ? QStringLiteral("No page is shown.") : m_archiveError;
        if (ok && !writeFile(path, "MIME-Version: 1.0\r\nContent-Type: multipart/related\r\n")) {
            ok = false;
            error = QStringLiteral("The file %1 cannot be written.").arg(path);
        }
        if (done)
            done(ok, ok ? QString() : error);
    });
}

void FakeWebView::printToPdf(const QString &path, std::function<void(bool ok)> done) {
    record(QStringLiteral("printToPdf ") + path);
    later([this, path, done] {
        const bool ok = m_pdfOk && !m_locationUrl.isEmpty() && writeFile(path, "%PDF-1.4\n%%EOF\n");
        if (done)
            done(ok);
    });
}

void FakeWebView::requestHtmlWithInlineImages(std::function<void(const QString &html)> done) {
    record(QStringLiteral("requestHtmlWithInlineImages"));
    later([this, done] { done(m_html); });
}

void FakeWebView::requestHasContent(std::function<void(bool hasContent)> done) {
    record(QStringLiteral("requestHasContent"));
    later([this, done] { done(m_hasContent); });
}

void FakeWebView::runIsolatedScript(const QString &script,
                                    std::function<void(const QVariant &)> done) {
    record(QStringLiteral("runIsolatedScript"));
    m_isolatedScripts.append(script);
    const QVariant answer = m_isolatedAnswer ? m_isolatedAnswer(script) : QVariant();
    if (done)
        later([done, answer] { done(answer); });
}
