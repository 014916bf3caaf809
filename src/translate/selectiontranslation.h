#pragma once

#include "translate/selectiontranslator.h"
#include "translate/translationwindow.h"

#include <QObject>
#include <QPointer>

class QTimer;
struct ProgramState;

// Selection translation as the main window holds it: `Timer6` drives the tick, and each
// translation is shown in the one `frmShow`, made on first use. Switching the mode on
// and off is starting and stopping `Timer6`.
class SelectionTranslation : public QObject {
    Q_OBJECT

public:
    // windowOwner becomes the parent of `frmShow` (it stays a window of its own);
    // web1Factory makes its web view, the engine's when not given.
    SelectionTranslation(QTimer &timer6, const ProgramState &state,
                         SelectionTranslator::ViewProvider currentView,
                         QWidget *windowOwner = nullptr,
                         TranslationWindow::ViewFactory web1Factory = {},
                         QObject *parent = nullptr);
    ~SelectionTranslation() override;

    SelectionTranslator &translator() { return m_translator; }
    // `frmShow`; nullptr until the first translation.
    TranslationWindow *window() const { return m_window; }

    // The window's texts in the state's current language.
    void applyLanguageTexts();
    // Closes and discards `frmShow`; the next translation makes a new one.
    void closeWindow();

private:
    void show(const TranslationRequest &request);

    const ProgramState &m_state;
    QWidget *m_windowOwner;
    TranslationWindow::ViewFactory m_web1Factory;
    SelectionTranslator m_translator;
    QPointer<TranslationWindow> m_window;
};
