#pragma once

#include "translate/translationservice.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class WebView;
struct ProgramState;

// Selection translation while the mode is on: the `Timer6` tick watches the left mouse
// button, and when it has gone up after a selection, `GO_Translate` reads the current
// tab's selection from the page and asks the translation service for it. The clipboard
// is never touched. Shows nothing itself: translated carries the answer to whoever shows
// it.
class SelectionTranslator : public QObject {
    Q_OBJECT

public:
    // The tab whose selection is translated; may give nullptr.
    using ViewProvider = std::function<WebView *()>;
    // True while the left mouse button is held down.
    using LeftButtonState = std::function<bool()>;

    // Reads SourceLanguage, MyLanguage and TRANSLATE_HOST from state at every translation.
    // The web translation page serves until another service is set.
    SelectionTranslator(const ProgramState &state, ViewProvider currentView,
                        QObject *parent = nullptr);
    ~SelectionTranslator() override;

    void setService(std::unique_ptr<TranslationService> service);

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
    void translated(const Translation &translation);

protected:
    // Notes left-button presses anywhere in the program: a quick click between two ticks
    // is over before the next tick could see the button down.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const ProgramState &m_state;
    ViewProvider m_currentView;
    LeftButtonState m_leftButtonDown;
    std::unique_ptr<TranslationService> m_service;
    bool m_pressedSinceTick = false;
    bool m_selectionPending = false; // `SelectionPending`
    QString m_langPair;
};
