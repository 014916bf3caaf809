#include "translate/selectiontranslation.h"

#include "app/programstate.h"

#include <QTimer>
#include <utility>

SelectionTranslation::SelectionTranslation(QTimer &timer6, const ProgramState &state,
                                           SelectionTranslator::ViewProvider currentView,
                                           QWidget *windowOwner,
                                           TranslationWindow::ViewFactory web1Factory,
                                           QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_windowOwner(windowOwner)
    , m_web1Factory(std::move(web1Factory))
    , m_translator(state, std::move(currentView)) {
    connect(&timer6, &QTimer::timeout, &m_translator, &SelectionTranslator::tick);
    connect(&m_translator, &SelectionTranslator::translationRequested, this,
            &SelectionTranslation::show);
}

SelectionTranslation::~SelectionTranslation() {
    closeWindow();
}

void SelectionTranslation::show(const TranslationRequest &request) {
    if (!m_window)
        m_window = new TranslationWindow(m_state.language, m_web1Factory, m_windowOwner);
    m_window->showTranslation(request);
}

void SelectionTranslation::applyLanguageTexts() {
    if (m_window)
        m_window->applyLanguageTexts(m_state.language);
}

void SelectionTranslation::closeWindow() {
    delete m_window.data();
}
