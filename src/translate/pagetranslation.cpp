#include "translate/pagetranslation.h"

#include "browser/webview.h"
#include "translate/blocktranslator.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

namespace {

// A translation longer than this is not put into the page: no sentence grows that much.
constexpr int MaxTranslationChars = 4 * PageTranslation::MaxFragmentChars + 1000;
// Well beyond what any block id of a real page reaches, and exact in a script's number.
constexpr double MaxBlockId = 9007199254740991.0;
// Answers for blocks off screen go into the page at most this often. Each call makes the
// page lay itself out and draw again; at one call an answer, a long page spent as much on
// that as on its translation, taking the processor from the translator.
constexpr int OffScreenCallMs = 200;

// text as a script string literal.
QString scriptString(const QString &text) {
    QString json =
        QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact));
    json = json.mid(1, json.size() - 2);
    // Line separators end a statement in older engines' string literals.
    json.replace(QChar(0x2028), QStringLiteral("\\u2028"));
    json.replace(QChar(0x2029), QStringLiteral("\\u2029"));
    return json;
}

QString newToken() {
    static quint64 counter = 0;
    return QStringLiteral("t%1").arg(++counter);
}

} // namespace

PageTranslation::PageTranslation(WebView *view, BlockTranslator *translator, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_translator(translator)
    , m_nextCall(new QTimer(this)) {
    m_nextCall->setSingleShot(true);
    connect(m_nextCall, &QTimer::timeout, this, &PageTranslation::flushTranslations);
    connect(m_translator, &BlockTranslator::translated, this, &PageTranslation::onTranslated);
    connect(m_translator, &BlockTranslator::failed, this, &PageTranslation::onFailed);
    connect(m_view, &WebView::isolatedMessage, this, &PageTranslation::onMessage);
    connect(m_view, &WebView::documentComplete, this, &PageTranslation::onDocumentComplete);
    // A tab's translation is a child of its view and goes after the view's own parts.
    connect(m_view, &WebView::closing, this, [this] { m_view = nullptr; });
}

PageTranslation::~PageTranslation() {
    if (m_state == State::Idle)
        return;
    if (m_translator)
        m_translator->cancelAll();
    // The page keeps what it shows but stops sending what it adds.
    if (m_view)
        m_view->runIsolatedScript(call(QStringLiteral("stop")));
}

QString PageTranslation::pageScript() {
    static const QString script = [] {
        QFile file(QStringLiteral(":/translate/pagetranslation.js"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }();
    return script;
}

QString PageTranslation::call(const QString &function, const QString &arguments) const {
    return QStringLiteral("(window.QuortPageTranslation ? QuortPageTranslation.") % function %
           QStringLiteral("(") % scriptString(m_token) %
           (arguments.isEmpty() ? QString() : QStringLiteral(", ") % arguments) %
           QStringLiteral(") : null)");
}

void PageTranslation::translate() {
    if (!m_view || !m_translator || m_state == State::Translating || m_state == State::Translated)
        return;
    m_token = newToken();
    m_asked.clear();
    m_onScreen.clear();
    m_seenBlocks.clear();
    m_toApply.clear();
    m_onScreenWaiting = false;
    m_lastCall.invalidate();
    m_applying = 0;
    m_done = 0;
    m_doneShown = 0;
    m_total = 0;
    m_failure.clear();
    setState(State::Translating);
    Q_EMIT progress(0, 0);
    m_view->runIsolatedScript(
        pageScript() % QStringLiteral(";\n") % call(QStringLiteral("start")),
        [self = QPointer<PageTranslation>(this), token = m_token](const QVariant &result) {
            if (self && self->m_token == token)
                self->onStarted(result);
        });
}

void PageTranslation::onStarted(const QVariant &result) {
    if (result.typeId() != QMetaType::QString) {
        m_failure = tr("The page cannot be read for translation.");
        end(State::Failed);
        Q_EMIT failed(m_failure);
        return;
    }
    acceptBlocks(result.toString());
    checkFinished();
}

void PageTranslation::onMessage(const QString &text) {
    if (m_state == State::Translating || m_state == State::Translated)
        acceptBlocks(text);
}

void PageTranslation::acceptBlocks(const QString &json) {
    const QJsonObject message = QJsonDocument::fromJson(json.toUtf8()).object();
    if (m_token.isEmpty() || message.value(QStringLiteral("token")).toString() != m_token)
        return;
    if (message.value(QStringLiteral("gone")).toBool()) {
        end(State::Idle);
        return;
    }
    const QJsonArray blocks = message.value(QStringLiteral("blocks")).toArray();
    const int shown = message.value(QStringLiteral("shown")).toInt();
    const int totalBefore = m_total;
    for (qsizetype index = 0; index < blocks.size(); ++index) {
        const QJsonArray pair = blocks.at(index).toArray();
        const double id = pair.at(0).toDouble(-1);
        const QString fragment = pair.at(1).toString();
        if (pair.size() != 2 || !pair.at(1).isString() || id < 1 || id > MaxBlockId ||
            id != static_cast<double>(static_cast<qint64>(id)) || fragment.isEmpty() ||
            fragment.size() > MaxFragmentChars)
            continue;
        const qint64 blockId = static_cast<qint64>(id);
        if (m_seenBlocks.contains(blockId) || m_seenBlocks.size() >= MaxBlocksPerPage)
            continue;
        m_seenBlocks.insert(blockId);
        const quint64 request = m_nextRequest++;
        m_asked.insert(request, blockId);
        if (index < shown)
            m_onScreen.insert(request);
        ++m_total;
        m_translator->translate(request, fragment);
    }
    if (m_total == totalBefore)
        return;
    setState(State::Translating);
    Q_EMIT progress(m_done, m_total);
}

void PageTranslation::onTranslated(quint64 id, const QString &fragment) {
    const auto asked = m_asked.constFind(id);
    if (asked == m_asked.cend())
        return;
    const qint64 blockId = asked.value();
    m_asked.erase(asked);
    const bool onScreen = m_onScreen.remove(id);
    ++m_done;
    if (fragment.size() <= MaxTranslationChars) {
        m_toApply.append({blockId, fragment});
        m_onScreenWaiting = m_onScreenWaiting || onScreen;
    }
    scheduleCall();
    // An answer too long to put in may have been the last one.
    checkFinished();
}

void PageTranslation::scheduleCall() {
    // While the page is putting some answers in, the next ones wait for it and then go in
    // together: calls that pile up cost the page more than the translation.
    if (m_applying > 0 || (m_toApply.isEmpty() && m_done == m_doneShown))
        return;
    // What the reader sees goes in at once, and so does the last answer; the rest waits
    // for the next call.
    int delay = 0;
    if (!m_onScreenWaiting && !m_asked.isEmpty() && m_lastCall.isValid())
        delay = int(qMax(qint64(0), OffScreenCallMs - m_lastCall.elapsed()));
    if (!m_nextCall->isActive() || m_nextCall->remainingTime() > delay)
        m_nextCall->start(delay);
}

void PageTranslation::flushTranslations() {
    m_nextCall->stop();
    // The bar's count moves once a call into the page, not once an answer: hundreds of
    // answers a second would each redraw it and tell it to the accessibility bus.
    if (m_done != m_doneShown) {
        m_doneShown = m_done;
        Q_EMIT progress(m_done, m_total);
    }
    if (m_toApply.isEmpty() || !m_view)
        return;
    QJsonArray entries;
    for (const auto &[blockId, fragment] : std::as_const(m_toApply))
        entries.append(QJsonArray{blockId, fragment});
    m_toApply.clear();
    m_onScreenWaiting = false;
    m_lastCall.start();
    QString json = QString::fromUtf8(QJsonDocument(entries).toJson(QJsonDocument::Compact));
    json.replace(QChar(0x2028), QStringLiteral("\\u2028"));
    json.replace(QChar(0x2029), QStringLiteral("\\u2029"));
    ++m_applying;
    m_view->runIsolatedScript(
        call(QStringLiteral("apply"), json),
        [self = QPointer<PageTranslation>(this), token = m_token](const QVariant &) {
            if (!self || self->m_token != token)
                return;
            --self->m_applying;
            self->scheduleCall();
            self->checkFinished();
        });
}

void PageTranslation::checkFinished() {
    // Translated once the page shows every answer, not merely once they came.
    if (m_state == State::Translating && m_asked.isEmpty() && m_toApply.isEmpty() &&
        m_applying == 0)
        setState(State::Translated);
}

void PageTranslation::onFailed(quint64 id, const QString &reason) {
    if (m_asked.contains(id))
        stopWith(reason);
}

void PageTranslation::stopWith(const QString &reason) {
    if (m_state != State::Translating && m_state != State::Translated)
        return;
    m_failure = reason;
    m_asked.clear();
    m_onScreen.clear();
    m_translator->cancelAll();
    // What was translated stays; the page stops sending what it adds.
    flushTranslations();
    if (m_view)
        m_view->runIsolatedScript(call(QStringLiteral("stop")));
    setState(State::Failed);
    Q_EMIT failed(reason);
}

void PageTranslation::showOriginal() {
    if (m_state == State::Idle)
        return;
    const QString restore = call(QStringLiteral("restore"));
    end(State::Idle);
    if (m_view)
        m_view->runIsolatedScript(restore);
}

void PageTranslation::onDocumentComplete() {
    if (m_state != State::Translating && m_state != State::Translated)
        return;
    // A load finished: if it brought another document, the translation's page is gone.
    m_view->runIsolatedScript(
        QStringLiteral("window.QuortPageTranslation ? QuortPageTranslation.token() : ''"),
        [self = QPointer<PageTranslation>(this), token = m_token](const QVariant &result) {
            if (self && !token.isEmpty() && self->m_token == token && result.toString() != token)
                self->end(State::Idle);
        });
}

void PageTranslation::end(State state) {
    if (m_translator)
        m_translator->cancelAll();
    m_asked.clear();
    m_onScreen.clear();
    m_toApply.clear();
    m_onScreenWaiting = false;
    m_nextCall->stop();
    m_applying = 0;
    m_token.clear();
    setState(state);
}

void PageTranslation::setState(State state) {
    if (state == m_state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}
