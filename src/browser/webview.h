#pragma once

#include <QImage>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <functional>

// What the program asks of a page view: the operations, properties and events it has
// always used, whatever engine draws the page. One real implementation (QtWebEngine)
// and one scriptable fake for tests stand behind it.
class WebView : public QWidget {
    Q_OBJECT

public:
    // The page commands that the page command carried; their numbers are kept so the dispatcher
    // reads as it always did.
    enum class PageCommand {
        SaveAs = 4,
        Print = 6,
        PrintPreview = 7,
        PageSetup = 8,
        Properties = 10,
        Cut = 11,
        Copy = 12,
        Paste = 13,
        SelectAll = 17,
        ClearSelection = 18,
        Find = 32,
        Delete = 33,
    };

    // The texts of the page properties window, in the current language; %1 in bytes
    // stands for the number.
    struct PropertyTexts {
        QString window = QStringLiteral("Page properties");
        QString title = QStringLiteral("Title");
        QString address = QStringLiteral("Address");
        QString type = QStringLiteral("Content type");
        QString size = QStringLiteral("Size");
        QString bytes = QStringLiteral("%1 bytes");
        QString encoding = QStringLiteral("Text encoding");
    };

    using QWidget::QWidget;
    // Said while the view is still a view: what its children do when they go (they go
    // after the view's own parts) must no longer reach it.
    ~WebView() override { Q_EMIT closing(); }

    void setPropertyTexts(const PropertyTexts &texts) { m_propertyTexts = texts; }
    const PropertyTexts &propertyTexts() const { return m_propertyTexts; }

    virtual void navigate(const QString &address) = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    // The engine's own home page, not the user's home address.
    virtual void goHome() = 0;
    virtual void refresh() = 0;
    virtual void stop() = 0;
    virtual void runPageCommand(PageCommand command) = 0;
    // The size the page is drawn at, 1 for its own.
    virtual double zoomFactor() const = 0;
    virtual void setZoomFactor(double factor) = 0;

    // True while a page is loading.
    virtual bool busy() const = 0;
    // "loading", "interactive" or "complete", as the page's document says.
    virtual QString readyState() const = 0;
    // The final address of the page shown, and its title.
    virtual QString locationURL() const = 0;
    virtual QString locationName() const = 0;
    // The page's selected text, read from the page itself (not through the clipboard).
    virtual QString selectedText() const = 0;
    // The page source as the document holds it now; done runs later on this thread, with
    // an empty text when there is no document.
    virtual void requestPageSource(std::function<void(const QString &)> done) = 0;
    // Highlights text on the page and moves to its next (or previous) match; done gets
    // the number of matches. Empty text clears the highlight.
    virtual void findText(const QString &text, bool backward,
                          std::function<void(int matches)> done) = 0;

    // The page's title; empty when nothing is shown.
    virtual QString title() const = 0;
    // A picture of what the view shows, at the view's size.
    virtual QImage picture() const = 0;
    // Saves the page as one web archive file (MHTML) at path. done runs once, later on this
    // thread: ok, or false with the reason in words (nothing loaded, the path cannot be
    // written, the engine gave up or took too long).
    virtual void saveArchive(const QString &path,
                             std::function<void(bool ok, const QString &error)> done) = 0;
    // Prints the page into a PDF file at path without blocking; done runs once, later.
    virtual void printToPdf(const QString &path, std::function<void(bool ok)> done) = 0;
    // The page's markup for the office: every address absolute, every loaded image inlined
    // as a data address (an image of another site the engine will not hand over keeps its
    // address), declared as UTF-8. Empty when there is no document. done runs later.
    virtual void requestHtmlWithInlineImages(std::function<void(const QString &html)> done) = 0;
    // Whether the page shows anything: visible text in its body or a loaded picture.
    virtual void requestHasContent(std::function<void(bool hasContent)> done) = 0;

    // Runs script in a script world of the program's own: it shares the page's document,
    // but the page's scripts see nothing it defines and cannot call into it. There,
    // quortPost(text) sends text to isolatedMessage. done, when given, gets the script's
    // value later on this thread (an invalid value when no page is shown).
    virtual void runIsolatedScript(const QString &script,
                                   std::function<void(const QVariant &)> done = nullptr) = 0;

    // No script-error dialogs when true.
    virtual void setSilent(bool silent) = 0;

protected:
    PropertyTexts m_propertyTexts;

Q_SIGNALS:
    // Every navigation the page starts, frames included.
    void navigationStarting(const QString &address);
    void progressChange(int progress, int maximum);
    void titleChange(const QString &title);
    // The hovered link's address, or other status text of the page.
    void statusTextChange(const QString &text);
    void documentComplete(const QString &address);
    // A page asked for an address that pages may not open (another program's scheme, a
    // file outside the program); nothing was loaded.
    void navigationRefused(const QString &address);
    // A page asks to close its window; a handler sets *cancel to keep it open.
    void windowClosing(bool isChildWindow, bool *cancel);
    // What a script run by runIsolatedScript sent with quortPost; the page's own scripts
    // cannot send it.
    void isolatedMessage(const QString &text);
    // The view is being destroyed; nothing may be asked of it any more.
    void closing();
};
