#pragma once

#include "translate/translationservice.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class WebView;
struct ProgramState;

// Selection translation while the mode is on: releasing the left button over the current
// tab's page starts `translateSelection` at once; the the selection timer tick watches the button
// for the releases the program does not see (a selection made in another window), and when it has
// gone up after a selection, starts it too. `translateSelection` reads the current tab's
// selection from the page and asks the translation service for it. The clipboard is never
// touched. Shows nothing itself: translated carries the answer to whoever shows it, and
// only the answer to the newest request.
class SelectionTranslator : public QObject {
    Q_OBJECT

public:
    // The tab whose selection is translated; may give nullptr.
    using ViewProvider = std::function<WebView *()>;
    // True while the left mouse button is held down.
    using LeftButtonState = std::function<bool()>;
    // True while the mode is on.
    using ModeState = std::function<bool()>;

    // Reads SourceLanguage, MyLanguage and TRANSLATE_HOST from state at every translation.
    // The web translation page serves until another service is set.
    SelectionTranslator(const ProgramState &state, ViewProvider currentView,
                        QObject *parent = nullptr);
    ~SelectionTranslator() override;

    void setService(std::unique_ptr<TranslationService> service);

    // Tests replace the system's button state.
    void setLeftButtonState(LeftButtonState leftButtonDown);
    // A release translates at once only while this says the mode is on (never without it).
    void setModeState(ModeState modeOn);

    // The the selection timer tick.
    void tick();
    // Translates the current tab's selection; nothing happens when it is empty.
    void translateSelection();
    // The left button went up over the current tab's page: `translateSelection` once the page
    // has taken the release in, and nothing more for this selection at the next ticks.
    void buttonReleasedOnPage();

    bool selectionPending() const { return m_selectionPending; }
    // `LangPair` of the last translation.
    QString langPair() const { return m_langPair; }

Q_SIGNALS:
    void translated(const Translation &translation);

protected:
    // Notes left-button presses anywhere in the program (a quick click between two ticks
    // is over before the next tick could see the button down), and releases on the page.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isOnCurrentPage(QObject *watched) const;
    void translateText(const QString &text);

    const ProgramState &m_state;
    ViewProvider m_currentView;
    LeftButtonState m_leftButtonDown;
    ModeState m_modeOn;
    std::unique_ptr<TranslationService> m_service;
    bool m_pressedSinceTick = false;
    bool m_selectionPending = false; // `SelectionPending`
    QString m_langPair;
    // Counts the requests; an answer to any but the newest is dropped.
    quint64 m_request = 0;
};
