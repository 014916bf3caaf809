#include "translate/apertiumpipeline.h"

#include "translate/apertiumchain.h"

#include <utility>

ApertiumPipeline::ApertiumPipeline(QString modeFile, QString name, QObject *parent)
    : BlockTranslator(parent)
    , m_chain(new ApertiumChain(std::move(modeFile), std::move(name))) {
    m_thread.setObjectName(QStringLiteral("apertium chain"));
    m_chain->moveToThread(&m_thread);
    // Every connection crosses the threads, so each is queued: the chain never waits here.
    connect(m_chain, &ApertiumChain::started, this,
            [this](const QList<qint64> &ids) { m_processIds = ids; });
    connect(m_chain, &ApertiumChain::stopped, this, [this] { m_processIds.clear(); });
    connect(m_chain, &ApertiumChain::translated, this, &ApertiumPipeline::onTranslated);
    connect(m_chain, &ApertiumChain::failed, this, &ApertiumPipeline::onFailed);
    m_thread.start();
}

ApertiumPipeline::~ApertiumPipeline() {
    // The chain goes on its own thread, killing and reaping its processes; what it still
    // sends here is dropped with this object's posted events.
    m_chain->deleteLater();
    m_thread.quit();
    m_thread.wait();
}

void ApertiumPipeline::translate(quint64 id, const QString &fragment) {
    m_asked.insert(id);
    QMetaObject::invokeMethod(m_chain,
                              [chain = m_chain, id, fragment] { chain->translate(id, fragment); });
}

void ApertiumPipeline::cancelAll() {
    m_asked.clear();
    QMetaObject::invokeMethod(m_chain, &ApertiumChain::cancelAll);
}

void ApertiumPipeline::onTranslated(quint64 id, const QString &fragment) {
    if (m_asked.remove(id))
        Q_EMIT translated(id, fragment);
}

void ApertiumPipeline::onFailed(quint64 id, const QString &reason) {
    if (m_asked.remove(id))
        Q_EMIT failed(id, reason);
}
