#pragma once

#include "export/savedialog.h"

#include <QString>
#include <functional>

class LanguageFile;
class Notifier;
class PageCapture;
class QWidget;
class WebView;
struct ProgramState;

// What every export of the page shares: the window dims while it works, the Save dialog
// offers a name and the export asks before a file is replaced, the user is told in the
// program's language, and one export runs at a time.
class ExportSteps {
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
        std::function<void(bool)> freezeLayout;          // `LayoutFrozen`
    };

    ExportSteps(Context context, std::function<void()> ended);

    Context &context() { return m_context; }
    bool isBusy() const { return m_busy; }

    // Starts an export; false, with the user told, while another one runs.
    bool begin(bool othersBusy);
    // Ends it whatever its outcome: the window is opaque again and the next may start.
    void end();

    // The chosen path, or empty when the user cancelled or declined to replace a file.
    // companionOf names another file the export writes beside the chosen one; one
    // question names both. Without askReplace an existing file is not asked about (the
    // export adds to it).
    QString chooseFile(const QString &filter, const QString &defaultName,
                       QString (*companionOf)(const QString &) = nullptr, bool askReplace = true);
    void setDimmed(bool dimmed);
    void showStatus(const QString &text);

    QString caption(int n) const;
    void inform(const QString &text);
    void warn(const QString &text);

private:
    Context m_context;
    std::function<void()> m_ended;
    bool m_busy = false;
};
