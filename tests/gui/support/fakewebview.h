#pragma once

#include "browser/webview.h"

#include <QImage>
#include <QList>
#include <QStringList>

// A web view for tests: it records every call and answers the properties the test has set;
// events are sent when the test says so, in the order it says. The signals are public, so a
// test may also emit any single event itself. webviewcontract_test holds it and the engine's
// view to the same cases: until a load, it shows nothing ("uninitialized", no address).
class FakeWebView : public WebView {
    Q_OBJECT

public:
    explicit FakeWebView(QWidget *parent = nullptr);

    void navigate(const QString &address) override;
    void goBack() override;
    void goForward() override;
    void goHome() override;
    void refresh() override;
    void stop() override;
    void runPageCommand(PageCommand command) override;
    double zoomFactor() const override { return m_zoom; }
    void setZoomFactor(double factor) override { m_zoom = factor; }

    bool busy() const override { return m_busy; }
    QString readyState() const override { return m_readyState; }
    QString locationURL() const override { return m_locationUrl; }
    QString locationName() const override { return m_locationName; }
    QString selectedText() const override { return m_selectedText; }
    void requestPageSource(std::function<void(const QString &)> done) override;
    void findText(const QString &text, bool backward,
                  std::function<void(int matches)> done) override;

    QString title() const override { return m_title; }
    QImage picture() const override { return m_picture; }
    // On success the file is written, with a few bytes that stand for the archive or PDF;
    // with no page shown (no location), nothing is written and both fail.
    void saveArchive(const QString &path,
                     std::function<void(bool ok, const QString &error)> done) override;
    void printToPdf(const QString &path, std::function<void(bool ok)> done) override;
    void requestHtmlWithInlineImages(std::function<void(const QString &html)> done) override;
    void requestHasContent(std::function<void(bool hasContent)> done) override;
    // Recorded as "runIsolatedScript"; done gets the answer the test set for for the
    // script (an invalid value until one is set).
    void runIsolatedScript(const QString &script,
                           std::function<void(const QVariant &)> done = nullptr) override;

    void setSilent(bool silent) override;

    // Every call in order, one line each: "navigate http://a/", "goBack", "runPageCommand Print",
    // "setSilent true".
    QStringList calls() const { return m_calls; }
    // The addresses given to navigate, in order.
    QStringList navigations() const { return m_navigations; }
    QList<PageCommand> commands() const { return m_commands; }
    void clearCalls();
    bool isSilent() const { return m_silent; }

    void setBusy(bool busy) { m_busy = busy; }
    void setReadyState(const QString &state) { m_readyState = state; }
    void setLocation(const QString &url, const QString &name);
    void setSelectedText(const QString &text) { m_selectedText = text; }
    // What requestPageSource hands over, and how many matches findText reports.
    void setPageSource(const QString &source) { m_pageSource = source; }
    void setMatches(int matches) { m_matches = matches; }
    void setTitle(const QString &title) { m_title = title; }
    void setPicture(const QImage &picture) { m_picture = picture; }
    // What saveArchive and printToPdf report; both succeed until told otherwise.
    void setArchiveResult(bool ok, const QString &error = QString());
    void setPdfResult(bool ok) { m_pdfOk = ok; }
    // What requestHtmlWithInlineImages and requestHasContent hand over.
    void setHtml(const QString &html) { m_html = html; }
    void setHasContent(bool hasContent) { m_hasContent = hasContent; }
    // The scripts given to runIsolatedScript, in order, and how they are answered.
    QStringList isolatedScripts() const { return m_isolatedScripts; }
    void setIsolatedAnswer(std::function<QVariant(const QString &script)> answer) {
        m_isolatedAnswer = std::move(answer);
    }

    // A whole page load as the real view reports it: navigationStarting, busy and "loading",
    // progress 50 and 100 of 100, title and titleChange, then location, not busy, "complete"
    // and documentComplete.
    void simulateLoad(const QString &address, const QString &title);
    // The page asks to close its window; returns what the handlers answered in cancel.
    bool simulateWindowClosing(bool isChildWindow = false);

    static QString commandName(PageCommand command);

private:
    void record(const QString &call) { m_calls.append(call); }
    // Runs answer later on this thread, as the real view answers.
    void later(std::function<void()> answer);

    QStringList m_calls;
    QStringList m_navigations;
    QList<PageCommand> m_commands;
    bool m_busy = false;
    double m_zoom = 1.0;
    bool m_silent = false;
    QString m_readyState = QStringLiteral("uninitialized");
    QString m_locationUrl;
    QString m_locationName;
    QString m_selectedText;
    QString m_pageSource;
    int m_matches = 0;
    QString m_title;
    QImage m_picture;
    bool m_archiveOk = true;
    QString m_archiveError;
    bool m_pdfOk = true;
    QString m_html;
    bool m_hasContent = false;
    QStringList m_isolatedScripts;
    std::function<QVariant(const QString &)> m_isolatedAnswer;
};
