#pragma once

#include "export/savedialog.h"

#include <QObject>
#include <QString>
#include <functional>

class LanguageFile;
class Notifier;
class OfficeRunner;
class PageCapture;
class QWidget;
class WebView;
struct ProgramState;
struct WordExport;

// The page commands: "EDIT:PICTURE" writes a numbered picture of the page to Images/,
// "SAVE:HTML" saves the page as a web archive, and with an office suite "SAVE:WORDH",
// "SAVE:WORDV" and "SAVE:PDF" write a Word document or a PDF with its Word copy. They
// share the steps of every export: the window dims while it works, a page with nothing to export
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
        std::function<void(const QString &)> showStatus; // what a long export is doing
    };

    explicit PageExports(Context context, QObject *parent = nullptr);

    // True when the key is one of these commands (then it ran or was refused).
    bool run(const QString &key);
    bool isBusy() const { return m_busy; }
    void setFileChooser(SaveDialog::Chooser chooser) { m_context.chooseFile = std::move(chooser); }
    // The office suite's thread; without one the office exports are not offered.
    void setOffice(OfficeRunner *office) { m_office = office; }

Q_SIGNALS:
    // A command has ended, whatever its outcome.
    void finished();

private:
    void takePicture();
    void writePicture(const QImage &picture);
    void saveArchive();
    void archiveWithContent(WebView *view);
    void exportToWord(const QString &templatePath, bool pdf, bool blankAllowed);
    void wordWithContent(WebView *view, const QString &templatePath, bool pdf);
    void writeWord(WordExport job, const QString &html);
    void showStatus(const QString &text);
    // companionOf: another file the export writes beside the chosen one.
    QString chooseFile(const QString &filter, const QString &defaultName,
                       QString (*companionOf)(const QString &) = nullptr);
    void setDimmed(bool dimmed);
    void end();
    QString caption(int n) const;
    void inform(const QString &text);
    void warn(const QString &text);

    Context m_context;
    OfficeRunner *m_office = nullptr;
    bool m_busy = false;
};
