#pragma once

#include "translate/selectiontranslator.h"
#include "translate/translationwindow.h"

#include <QObject>
#include <QPointer>

class ChoosingTranslation;
class CommandRegistry;
class LocalPairs;
class QTimer;
struct ProgramState;

// Selection translation as the main window holds it: the selection timer drives the tick, and each
// translation is shown in the one `frmShow`, made on first use. Switching the mode on
// and off (a translate-language item chosen) is starting and stopping the selection timer. A
// selection is translated on this computer with Apertium when its pair is installed and
// TRANSLATOR allows it, through the web translation page otherwise.
class SelectionTranslation : public QObject {
    Q_OBJECT

public:
    // windowOwner becomes the parent of `frmShow` (it stays a window of its own);
    // resultViewFactory makes its web view, the engine's when not given.
    SelectionTranslation(QTimer &selectionTimer, ProgramState &state,
                         SelectionTranslator::ViewProvider currentView,
                         QWidget *windowOwner = nullptr,
                         TranslationWindow::ViewFactory resultViewFactory = {},
                         QObject *parent = nullptr);
    ~SelectionTranslation() override;

    SelectionTranslator &translator() { return m_translator; }
    // The translator that chooses between Apertium and the web; tests shorten its limit.
    ChoosingTranslation &service() { return *m_service; }
    LocalPairs &localPairs() { return *m_pairs; }
    // `frmShow`; nullptr until the mode is first switched on or a first translation.
    TranslationWindow *window() const { return m_window; }

    // The window's texts in the state's current language.
    void applyLanguageTexts();
    // Closes and discards `frmShow`; the next translation makes a new one.
    void closeWindow();

    // The translate-language item with this caption was chosen. The active item again
    // switches the mode off; any other switches it on with that item's language as
    // SourceLanguage (kept as it was when no row of the language file has the name).
    // Returns whether the mode is on now.
    bool chooseSourceLanguage(const QString &caption);
    bool isOn() const;

    // The translate-language items of registry get marked when they are translated on
    // this computer, once the installed pairs are known (localPairs().list()).
    void markMenuItems(CommandRegistry *registry);
    // `MyLanguage`, the language file or the installed pairs changed: the marks again.
    void refreshMarks();

Q_SIGNALS:
    // The mode went on or off; the status line shows it.
    void modeChanged(bool on);

private:
    void show(const Translation &translation);
    // `frmShow` made hidden, and its page in a later turn: each step is a turn of its own,
    // away from the first result's, so none keeps the window from answering for long.
    void prepareWindow();

    QTimer &m_selectionTimer;
    ProgramState &m_state;
    QWidget *m_windowOwner;
    TranslationWindow::ViewFactory m_resultViewFactory;
    SelectionTranslator m_translator;
    LocalPairs *m_pairs;
    ChoosingTranslation *m_service;
    CommandRegistry *m_registry = nullptr;
    QPointer<TranslationWindow> m_window;
};
