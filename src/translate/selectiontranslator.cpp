#include "translate/selectiontranslator.h"

#include "browser/mousebuttons.h"
#include "browser/webview.h"
#include "core/programstate.h"
#include "translate/translationrequest.h"
#include "translate/webpagetranslation.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <utility>

SelectionTranslator::SelectionTranslator(const ProgramState &state, ViewProvider currentView,
                                         QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_currentView(std::move(currentView))
    , m_leftButtonDown([] { return (MouseButton() & 1) != 0; })
    , m_service(std::make_unique<WebPageTranslation>(
          [&state] { return state.language.settings().translateHost; })) {
    if (QCoreApplication *application = QCoreApplication::instance())
        application->installEventFilter(this);
}

SelectionTranslator::~SelectionTranslator() = default;

void SelectionTranslator::setService(std::unique_ptr<TranslationService> service) {
    m_service = std::move(service);
}

void SelectionTranslator::setLeftButtonState(LeftButtonState leftButtonDown) {
    m_leftButtonDown = std::move(leftButtonDown);
}

bool SelectionTranslator::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_pressedSinceTick = true;
    }
    return QObject::eventFilter(watched, event);
}

void SelectionTranslator::tick() {
    const bool pressed = m_pressedSinceTick || m_leftButtonDown();
    m_pressedSinceTick = false;
    if (pressed) {
        m_selectionPending = true;
        return;
    }
    if (m_selectionPending) {
        m_selectionPending = false;
        GO_Translate();
    }
}

void SelectionTranslator::GO_Translate() {
    const QString &sourceLanguage = m_state.sourceLanguage;
    const QString &myLanguage = m_state.settings.myLanguage;
    m_langPair = TranslationRequest::makeLangPair(sourceLanguage, myLanguage);

    WebView *view = m_currentView ? m_currentView() : nullptr;
    if (!view)
        return;
    // Straight from the page: the user's clipboard is theirs.
    const QString text = view->selectedText();
    if (text.isEmpty())
        return;
    view->execWB(WebView::PageCommand::ClearSelection);
    // A selection of blanks alone has nothing to translate.
    if (text.trimmed().isEmpty())
        return;

    QPointer<SelectionTranslator> self(this);
    m_service->translate(text, sourceLanguage, myLanguage, [self](const Translation &answer) {
        if (self)
            Q_EMIT self->translated(answer);
    });
}
