#pragma once

#include "translate/translationrequest.h"

#include <QObject>
#include <QString>
#include <functional>

class WebView;
struct ProgramState;

// Selection translation while the mode is on: the `Timer6` tick watches the left mouse
// button, and when it has gone up after a selection, `GO_Translate` reads the current
// tab's selection from the page and asks for its translation. The clipboard is never
// touched. Shows nothing itself: translationRequested carries the request to whoever
// shows it.
class SelectionTranslator : public QObject {
    Q_OBJECT

public:
    // The tab whose selection is translated; may give nullptr.
    using ViewProvider = std::function<WebView *()>;
    // True while the left mouse button is held down.
    using LeftButtonState = std::function<bool()>;

    // Reads SourceLanguage, MyLanguage and TRANSLATE_HOST from state at every translation.
    SelectionTranslator(const ProgramState &state, ViewProvider currentView,
                        QObject *parent = nullptr);

    // Tests replace the system's button state.
    void setLeftButtonState(LeftButtonState leftButtonDown);

    // The `Timer6` tick.
    void tick();
    // Translates the current tab's selection; nothing happens when it is empty.
    void GO_Translate();

    bool selectionPending() const { return m_selectionPending; }
    // `LangPair` of the last translation.
    QString langPair() const { return m_langPair; }

Q_SIGNALS:
    void translationRequested(const TranslationRequest &request);

protected:
    // Notes left-button presses anywhere in the program: a quick click between two ticks
    // is over before the next tick could see the button down.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const ProgramState &m_state;
    ViewProvider m_currentView;
    LeftButtonState m_leftButtonDown;
    bool m_pressedSinceTick = false;
    bool m_selectionPending = false; // `SelectionPending`
    QString m_langPair;
};
