#include "translate/selectiontranslation.h"

#include "core/programstate.h"
#include "translate/choosingtranslation.h"
#include "translate/localpairs.h"
#include "translate/translatemenumarks.h"
#include "translate/translatorchoice.h"
#include "translate/webpagetranslation.h"

#include <QTimer>
#include <utility>

SelectionTranslation::SelectionTranslation(QTimer &selectionTimer, ProgramState &state,
                                           SelectionTranslator::ViewProvider currentView,
                                           QWidget *windowOwner,
                                           TranslationWindow::ViewFactory resultViewFactory,
                                           QObject *parent)
    : QObject(parent)
    , m_selectionTimer(selectionTimer)
    , m_state(state)
    , m_windowOwner(windowOwner)
    , m_resultViewFactory(std::move(resultViewFactory))
    , m_translator(state, std::move(currentView))
    , m_pairs(new LocalPairs(QStringLiteral("apertium"), this)) {
    auto service = std::make_unique<ChoosingTranslation>(
        [&state] { return state.language.settings().translator; }, *m_pairs,
        std::make_unique<WebPageTranslation>(
            [&state] { return state.language.settings().translateHost; }));
    m_service = service.get();
    m_translator.setService(std::move(service));
    m_translator.setModeState([&selectionTimer] { return selectionTimer.isActive(); });
    connect(m_pairs, &LocalPairs::becameKnown, this, &SelectionTranslation::refreshMarks);
    connect(&selectionTimer, &QTimer::timeout, &m_translator, &SelectionTranslator::tick);
    connect(&m_translator, &SelectionTranslator::translated, this, &SelectionTranslation::show);
}

SelectionTranslation::~SelectionTranslation() {
    closeWindow();
}

void SelectionTranslation::show(const Translation &translation) {
    if (!m_window)
        m_window = new TranslationWindow(m_state.language, m_resultViewFactory, m_windowOwner);
    m_window->showTranslation(translation);
}

void SelectionTranslation::prepareWindow() {
    if (m_window)
        return;
    m_window = new TranslationWindow(m_state.language, m_resultViewFactory, m_windowOwner);
    // 1 ms, not 0: the input events already waiting go first.
    QTimer::singleShot(1, m_window, &TranslationWindow::prepare);
}

bool SelectionTranslation::isOn() const {
    return m_selectionTimer.isActive();
}

bool SelectionTranslation::chooseSourceLanguage(const QString &caption) {
    if (caption == m_state.translateLanguageItem) {
        m_selectionTimer.stop();
        m_state.translateLanguageItem.clear();
        Q_EMIT modeChanged(false);
        return false;
    }
    // A caption may carry a prefix before ":"; the language's name follows it.
    const qsizetype colon = caption.indexOf(QLatin1Char(':'));
    if (const TranslationLanguage *row =
            m_state.language.findTranslationRow(colon < 0 ? caption : caption.mid(colon + 1)))
        m_state.sourceLanguage = row->code.trimmed();
    // The user's clipboard is left alone: the selection is read from the page itself.
    m_selectionTimer.start();
    // Known before the first selection is let go, so it need not wait for them.
    m_pairs->list();
    QTimer::singleShot(1, this, &SelectionTranslation::prepareWindow);
    m_state.translateLanguageItem = caption;
    Q_EMIT modeChanged(true);
    return true;
}

void SelectionTranslation::applyLanguageTexts() {
    if (m_window)
        m_window->applyLanguageTexts(m_state.language);
    refreshMarks();
}

void SelectionTranslation::markMenuItems(CommandRegistry *registry) {
    m_registry = registry;
    refreshMarks();
}

void SelectionTranslation::refreshMarks() {
    if (!m_registry)
        return;
    const bool web = TranslatorChoice::parseSetting(m_state.language.settings().translator) ==
                     TranslatorChoice::Setting::Web;
    TranslateMenuMarks::apply(*m_registry, m_state.language, m_state.settings.myLanguage,
                              web ? QStringList() : m_pairs->modes());
}

void SelectionTranslation::closeWindow() {
    delete m_window.data();
}
