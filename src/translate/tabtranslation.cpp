#include "translate/tabtranslation.h"

#include "browser/webview.h"
#include "core/captions.h"
#include "core/programstate.h"
#include "translate/apertiummodefile.h"
#include "translate/apertiumpipeline.h"
#include "translate/languagedetector.h"
#include "translate/localpairs.h"
#include "translate/pairtable.h"
#include "translate/translationrequest.h"

#include <QVariantMap>

namespace {

// The page's visible text (what the detector needs, no more), its lang attribute, and
// whether this document already holds a translation of ours.
const char ReadPageScript[] = R"JS((function () {
  var body = document.body;
  return {lang: document.documentElement.lang || '',
          text: body ? body.innerText.slice(0, 65536) : '',
          ours: !!window.QuortPageTranslation};
})())JS";

QString primary(const QString &code) {
    return code.trimmed().toLower().section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
}

} // namespace

TabTranslation::Decision TabTranslation::decide(const QString &pageLanguage,
                                                const QString &myLanguage,
                                                const QStringList &neverTranslate,
                                                TranslatorChoice::Setting setting,
                                                const QStringList &installedModes, bool asked) {
    const QString from = primary(pageLanguage);
    if (from.isEmpty())
        return {asked ? Shown::NoLanguage : Shown::Nothing, {}, {}};
    if (from == primary(myLanguage) || (!asked && neverTranslate.contains(from)))
        return {};
    if (setting == TranslatorChoice::Setting::Web)
        return {Shown::WebOnly, {}, {}};
    const PairTable::Choice choice = PairTable::choose(from, myLanguage, installedModes);
    if (!choice.mode.isEmpty())
        return {Shown::Offer, choice.mode, {}};
    // No pair, and none Debian gives: nothing to offer unless the user asked.
    if (choice.package.isEmpty() && !asked)
        return {};
    return {Shown::NoPair, {}, choice.package};
}

TabTranslation::TabTranslation(WebView *view, ProgramState &state, LocalPairs &pairs,
                               QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_state(state)
    , m_pairs(pairs)
    , m_detector(new LanguageDetector(this)) {
    m_pageLimit.setSingleShot(true);
    m_pageLimit.setInterval(PageLimitSeconds * 1000);
    connect(&m_pageLimit, &QTimer::timeout, this, &TabTranslation::onPageLimit);
    connect(view, &WebView::documentComplete, this, &TabTranslation::onDocumentComplete);
}

// The page translation goes before the chain it feeds.
TabTranslation::~TabTranslation() {
    m_page.reset();
    m_pipeline.reset();
}

QString TabTranslation::myLanguage() const {
    const QString mine = m_state.settings.myLanguage.trimmed();
    return mine.isEmpty() ? TranslationRequest::defaultMyLanguage() : mine;
}

TabTranslation::Shown TabTranslation::shown() const {
    if (m_page) {
        switch (m_page->state()) {
        case PageTranslation::State::Translating:
            return Shown::Translating;
        case PageTranslation::State::Translated:
            return Shown::Translated;
        case PageTranslation::State::Failed:
            return Shown::Failed;
        case PageTranslation::State::Idle:
            break;
        }
    }
    return m_dismissed ? Shown::Nothing : m_decision.shown;
}

void TabTranslation::onDocumentComplete() {
    if (!m_view)
        return;
    const quint64 load = ++m_load;
    m_view->runIsolatedScript(QString::fromLatin1(ReadPageScript),
                              [self = QPointer<TabTranslation>(this), load](const QVariant &r) {
                                  if (self)
                                      self->onPageRead(r, load);
                              });
}

void TabTranslation::onPageRead(const QVariant &result, quint64 load) {
    if (load != m_load)
        return;
    const QVariantMap page = result.toMap();
    // A load that kept the document (a frame, an anchor) changes nothing.
    if (page.value(QStringLiteral("ours")).toBool())
        return;
    // A new document: what the tab showed for the last one is over.
    if (m_page && m_page->state() != PageTranslation::State::Idle)
        m_page->showOriginal();
    m_language.clear();
    m_dismissed = false;
    setBase({});
    m_detector->detect(page.value(QStringLiteral("text")).toString(),
                       page.value(QStringLiteral("lang")).toString(),
                       [this, load](const QString &code) { onLanguage(code, load); });
}

void TabTranslation::onLanguage(const QString &code, quint64 load) {
    if (load != m_load)
        return;
    m_language = code;
    const bool follow = !code.isEmpty() && primary(code) == m_following;
    m_pairs.whenKnown([self = QPointer<TabTranslation>(this), load, follow] {
        if (!self || load != self->m_load)
            return;
        self->offer(false);
        if (follow && self->m_decision.shown == Shown::Offer)
            self->start();
        Q_EMIT self->languageFound(self->m_language);
    });
}

void TabTranslation::offer(bool asked) {
    setBase(decide(m_language, myLanguage(), m_state.settings.neverTranslate,
                   TranslatorChoice::parseSetting(m_state.language.settings().translator),
                   m_pairs.modes(), asked));
}

void TabTranslation::translate() {
    if (m_language.isEmpty())
        m_language = primary(m_state.sourceLanguage);
    m_dismissed = false;
    const quint64 load = m_load;
    m_pairs.whenKnown([self = QPointer<TabTranslation>(this), load] {
        if (!self || load != self->m_load)
            return;
        self->offer(true);
        if (self->m_decision.shown == Shown::Offer) {
            self->m_following = primary(self->m_language);
            self->start();
        }
    });
}

void TabTranslation::start() {
    usePair(m_decision.mode);
    if (!m_page)
        return;
    m_pageLimit.start();
    m_page->translate();
}

void TabTranslation::usePair(const QString &mode) {
    if (m_pipeline && mode == m_mode)
        return;
    // Another pair: the old chain's processes end with it.
    m_page.reset();
    m_pipeline.reset();
    m_mode = mode;
    const QString modeFile = ApertiumModeFile::installedPath(mode);
    if (!m_view || modeFile.isEmpty())
        return;
    m_pipeline = std::make_unique<ApertiumPipeline>(modeFile, mode);
    m_page = std::make_unique<PageTranslation>(m_view, m_pipeline.get());
    connect(m_page.get(), &PageTranslation::stateChanged, this, &TabTranslation::onStateChanged);
    connect(m_page.get(), &PageTranslation::progress, this, &TabTranslation::changed);
}

void TabTranslation::onStateChanged(PageTranslation::State state) {
    if (state != PageTranslation::State::Translating)
        m_pageLimit.stop();
    Q_EMIT changed();
}

void TabTranslation::onPageLimit() {
    if (m_page && m_page->state() == PageTranslation::State::Translating)
        m_page->stopWith(m_state.language.caption(Captions::PageTooLarge).arg(PageLimitSeconds));
}

void TabTranslation::toggle() {
    const Shown now = shown();
    if (now == Shown::Translating || now == Shown::Translated || now == Shown::Failed)
        showOriginal();
    else
        translate();
}

void TabTranslation::showOriginal() {
    m_following.clear();
    m_pageLimit.stop();
    if (m_page)
        m_page->showOriginal();
    Q_EMIT changed();
}

void TabTranslation::notNow() {
    m_dismissed = true;
    Q_EMIT changed();
}

void TabTranslation::never() {
    const QString code = primary(m_language);
    if (!code.isEmpty() && !m_state.settings.neverTranslate.contains(code))
        m_state.settings.neverTranslate.append(code);
    notNow();
}

void TabTranslation::setBase(const Decision &decision) {
    m_decision = decision;
    Q_EMIT changed();
}
