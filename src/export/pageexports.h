#pragma once

#include "export/savedialog.h"

#include <QObject>
#include <QString>
#include <functional>

class LanguageFile;
class Notifier;
class PageCapture;
class QWidget;
class WebView;
struct ProgramState;

// The page commands that need no office suite: "EDIT:PICTURE" writes a numbered picture
// of the page to Images/, "SAVE:HTML" saves the page as a web archive. They share the
// steps of every export: the window dims while it works, a page with nothing to export
// is told so, the Save dialog offers the page title's name, a file that exists is
// replaced only after a question, and the closing notice names only a file written now.
// One command runs at a time; another one meanwhile is refused with a message.
class PageExports : public QObject {
    Q_OBJECT

public:
    struct Context {
        QWidget &window;
        const LanguageFile &language;
        Notifier &notifier;
        ProgramState &state;
        QString imagesFolder; // Images/ below where the program keeps its data
        std::function<WebView *()> currentView;
        PageCapture &capture;
        SaveDialog::Chooser chooseFile;
    };

    explicit PageExports(Context context, QObject *parent = nullptr);

    // True when the key is one of these commands (then it ran or was refused).
    bool run(const QString &key);
    bool isBusy() const { return m_busy; }
    void setFileChooser(SaveDialog::Chooser chooser) { m_context.chooseFile = std::move(chooser); }

Q_SIGNALS:
    // A command has ended, whatever its outcome.
    void finished();

private:
    void takePicture();
    void writePicture(const QImage &picture);
    void saveArchive();
    void archiveWithContent(WebView *view);
    QString chooseFile(const QString &filter, const QString &defaultName);
    void setDimmed(bool dimmed);
    void end();
    QString caption(int n) const;
    void inform(const QString &text);
    void warn(const QString &text);

    Context m_context;
    bool m_busy = false;
};
