#include "secondarywindows.h"

#include "commandbar/applylanguagetexts.h"
#include "commandbar/windowbars.h"
#include "linktable/linktablewindow.h"
#include "windows/aboutwindow.h"
#include "windows/inputdialog.h"
#include "windows/languageeditor.h"

SecondaryWindows::SecondaryWindows(WindowContext context)
    : m_context(std::move(context)) {}

void SecondaryWindows::showAbout(QWidget *owner) {
    AboutWindow window(m_context, owner);
    window.exec();
}

void SecondaryWindows::showLanguageEditor(QWidget *owner) {
    LanguageEditor editor(m_context, owner);
    m_openEditor = &editor;
    editor.setQuestion([this](QWidget *parent) { askInputDialog(parent); });
    editor.show();
    editor.offerDraft();
    editor.exec();
}

QString SecondaryWindows::showLinkTable(QWidget *owner, LinkTable &table,
                                        const std::function<LinkTable::Page()> &page) {
    LinkTableWindow window(m_context, table, page, owner);
    m_openLinkTable = &window;
    window.exec();
    return window.chosenLink();
}

void SecondaryWindows::endSession() {
    // The session's end asks nothing: what the link table holds unsaved is lost.
    if (m_openLinkTable)
        m_openLinkTable->done(0);
    if (m_openInputDialog)
        m_openInputDialog->reject();
    if (m_openEditor)
        m_openEditor->endSession();
}

void SecondaryWindows::askInputDialog(QWidget *owner) {
    InputDialog dialog(m_context, owner);
    m_openInputDialog = &dialog;
    dialog.exec();
}

void SecondaryWindows::loadLanguageEditor() {
    WindowBars::ensureBuilt(m_context.registry, WindowBars::Window::LanguageEditor);
}

void SecondaryWindows::loadInputDialog() {
    WindowBars::ensureBuilt(m_context.registry, WindowBars::Window::InputDialog);
}

void SecondaryWindows::setInputDialogTitle(const QString &text) {
    // A dialog that loads later takes the question of the current language itself.
    if (m_openInputDialog)
        m_openInputDialog->setTitle(text);
}

void SecondaryWindows::addTo(LanguageTexts::Targets &targets) {
    targets.loadLanguageEditor = [this] { loadLanguageEditor(); };
    targets.loadInputDialog = [this] { loadInputDialog(); };
    targets.setInputDialogTitle = [this](const QString &text) { setInputDialogTitle(text); };
}
