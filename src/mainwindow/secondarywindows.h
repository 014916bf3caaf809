#pragma once

#include "linktable/linktable.h"
#include "windows/windowcontext.h"

#include <QPointer>

class InputDialog;
class LanguageEditor;
class LinkTableWindow;
class QString;
class QWidget;
namespace LanguageTexts {
struct Targets;
}

// The secondary windows as the main window uses them: opened modally from its commands,
// and loaded (without being shown) by ApplyLanguageTexts so that their buttons exist.
class SecondaryWindows {
public:
    explicit SecondaryWindows(WindowContext context);
    SecondaryWindows(const SecondaryWindows &) = delete;
    SecondaryWindows &operator=(const SecondaryWindows &) = delete;

    const WindowContext &context() const { return m_context; }

    // TORVELLO and FILE:TORVELLO: the about window, modally; returns when it closed.
    void showAbout(QWidget *owner);
    // LANG:NEW: the language editor, modally; returns when it closed.
    void showLanguageEditor(QWidget *owner);
    // FAVORITE: the link table, modally; the address of the link chosen there, or nothing.
    // page: the main window's page when the user adds it.
    QString showLinkTable(QWidget *owner, LinkTable &table,
                          const std::function<LinkTable::Page()> &page);
    // The input dialog, modally; DialogAnswer holds the answer afterwards.
    void askInputDialog(QWidget *owner);
    // The session ends: an open question goes unanswered and an open language editor
    // keeps its unsaved text as a draft; nothing is asked.
    void endSession();

    // What ApplyLanguageTexts needs of these windows: their buttons (EXIT3, SAVE5, OKYES,
    // OKNO) built, and the question of an input dialog that is open.
    void loadLanguageEditor();
    void loadInputDialog();
    void setInputDialogTitle(const QString &text);
    // Puts the three above into the targets.
    void addTo(LanguageTexts::Targets &targets);

private:
    WindowContext m_context;
    QPointer<InputDialog> m_openInputDialog;
    QPointer<LanguageEditor> m_openEditor;
    QPointer<LinkTableWindow> m_openLinkTable;
};
