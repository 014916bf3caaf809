#include "translate/apertiumhtmlbatch.h"

#include "translate/apertiumrun.h"

#include <QRegularExpression>
#include <QTimer>
#include <utility>

ApertiumHtmlBatch::ApertiumHtmlBatch(QString program, QString mode, QObject *parent)
    : BlockTranslator(parent)
    , m_program(std::move(program))
    , m_mode(std::move(mode)) {}

ApertiumHtmlBatch::~ApertiumHtmlBatch() {
    // The run ends by its own limit; its answer must not reach a translator that is gone.
    if (m_run)
        m_run->setParent(nullptr);
}

void ApertiumHtmlBatch::translate(quint64 id, const QString &fragment) {
    m_waiting.push_back({id, fragment});
    // Blocks asked in one turn of the event loop go in one run.
    if (!m_run && !m_scheduled) {
        m_scheduled = true;
        QTimer::singleShot(0, this, &ApertiumHtmlBatch::startBatch);
    }
}

void ApertiumHtmlBatch::cancelAll() {
    m_waiting.clear();
    // The run goes on to its end; its answers are for blocks no longer asked for.
    ++m_generation;
    m_run = nullptr;
}

void ApertiumHtmlBatch::startBatch() {
    m_scheduled = false;
    if (m_waiting.empty() || m_run)
        return;
    std::vector<Block> batch = std::exchange(m_waiting, {});
    QString html;
    for (size_t n = 0; n < batch.size(); ++n)
        html +=
            QStringLiteral("<p id=\"qt%1\">").arg(n) + batch[n].fragment + QStringLiteral("</p>\n");
    QPointer<ApertiumHtmlBatch> self(this);
    const quint64 generation = m_generation;
    m_run = ApertiumRun::startInFormat(
        m_program, QStringLiteral("html"), m_mode, html, BatchLimitMs,
        [self, batch, generation](ApertiumRun::Outcome outcome, const QString &output) {
            if (!self || self->m_generation != generation)
                return;
            self->m_run = nullptr;
            static const QRegularExpression paragraph(
                QStringLiteral("<p id=\"qt([0-9]+)\">(.*?)</p>"),
                QRegularExpression::DotMatchesEverythingOption);
            std::vector<QString> answers(batch.size());
            std::vector<bool> answered(batch.size(), false);
            if (outcome == ApertiumRun::Outcome::Translated) {
                for (const QRegularExpressionMatch &match : paragraph.globalMatch(output)) {
                    const size_t n = match.captured(1).toULongLong();
                    if (n < batch.size()) {
                        answers[n] = match.captured(2);
                        answered[n] = true;
                    }
                }
            }
            const QString reason = outcome == ApertiumRun::Outcome::TimedOut
                                       ? tr("apertium %1: the page took longer than %2 s")
                                             .arg(self->m_mode)
                                             .arg(BatchLimitMs / 1000)
                                       : tr("apertium %1: no translation").arg(self->m_mode);
            for (size_t n = 0; n < batch.size() && self; ++n) {
                if (answered[n])
                    Q_EMIT self->translated(batch[n].id, answers[n]);
                else
                    Q_EMIT self->failed(batch[n].id, reason);
            }
            if (self && !self->m_waiting.empty())
                self->startBatch();
        },
        this);
}
