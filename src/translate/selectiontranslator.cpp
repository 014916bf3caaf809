#include "translate/selectiontranslator.h"

#include "browser/mousebuttons.h"
#include "browser/webview.h"
#include "core/programstate.h"
#include "translate/selectionreader.h"
#include "translate/translationrequest.h"
#include "translate/webpagetranslation.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
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

void SelectionTranslator::setModeState(ModeState modeOn) {
    m_modeOn = std::move(modeOn);
}

bool SelectionTranslator::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
        type == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            if (type != QEvent::MouseButtonRelease)
                m_pressedSinceTick = true;
            else if (m_modeOn && m_modeOn() && isOnCurrentPage(watched))
                buttonReleasedOnPage();
        }
    }
    return QObject::eventFilter(watched, event);
}

bool SelectionTranslator::isOnCurrentPage(QObject *watched) const {
    // The window gets the event before its widget does; the widget alone counts.
    auto *widget = qobject_cast<QWidget *>(watched);
    WebView *view = m_currentView ? m_currentView() : nullptr;
    return widget && view && (widget == view || view->isAncestorOf(widget));
}

void SelectionTranslator::buttonReleasedOnPage() {
    // This release is the end of the selection the ticks were waiting for.
    m_pressedSinceTick = false;
    m_selectionPending = false;
    // The filter sees the release before the page does: the page takes it in first.
    QTimer::singleShot(0, this, &SelectionTranslator::translateSelection);
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
        translateSelection();
    }
}

void SelectionTranslator::translateSelection() {
    const QString &sourceLanguage = m_state.sourceLanguage;
    const QString &myLanguage = m_state.settings.myLanguage;
    m_langPair = TranslationRequest::makeLangPair(sourceLanguage, myLanguage);

    WebView *view = m_currentView ? m_currentView() : nullptr;
    if (!view)
        return;
    // Straight from the page: the user's clipboard is theirs.
    QPointer<SelectionTranslator> self(this);
    QPointer<WebView> source(view);
    SelectionReader::read(view, [self, source](const QString &text) {
        if (!self || !source || text.isEmpty())
            return;
        source->runPageCommand(WebView::PageCommand::ClearSelection);
        self->translateText(text);
    });
}

void SelectionTranslator::translateText(const QString &text) {
    // A selection of blanks alone has nothing to translate.
    if (text.trimmed().isEmpty())
        return;
    const quint64 request = ++m_request;
    QPointer<SelectionTranslator> self(this);
    m_service->translate(text, m_state.sourceLanguage, m_state.settings.myLanguage,
                         [self, request](const Translation &answer) {
                             // A slow answer to an earlier selection would hide the newer one.
                             if (self && request == self->m_request)
                                 Q_EMIT self->translated(answer);
                         });
}
