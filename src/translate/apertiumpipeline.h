#pragma once

#include "translate/blocktranslator.h"

#include <QList>
#include <QSet>
#include <QThread>

class ApertiumChain;

// A pair's programs kept running as a chain of processes (no shell, niced), each flushing at
// every NUL: a block goes in as Apertium's stream format and a NUL, and its translation
// comes out with its NUL as soon as the last program has it, with no new process per block.
//
// The chain (ApertiumChain) lives on a thread of the pipeline's own, so that starting its
// processes and writing and reading the stream format never hold up the window; this side
// only passes blocks on and answers back, dropping answers to blocks cancelled meanwhile.
// The chain starts with the first block; when a program ends or a block passes its limit,
// every block still asked for is answered by failed(), in order, and the next block starts
// a new chain. Destroying the pipeline kills and reaps the chain's processes before it
// returns.
class ApertiumPipeline : public BlockTranslator {
    Q_OBJECT

public:
    // modeFile is the pair's mode file; name names the pair in reasons ("spa-eng").
    ApertiumPipeline(QString modeFile, QString name, QObject *parent = nullptr);
    ~ApertiumPipeline() override;

    void translate(quint64 id, const QString &fragment) override;
    void cancelAll() override;

    // The chain's processes are running, as last heard from its thread (for the tests and
    // the benchmarks).
    bool running() const { return !m_processIds.isEmpty(); }
    // The processes of the chain, first to last, while it runs.
    QList<qint64> processIds() const { return m_processIds; }

private:
    void onTranslated(quint64 id, const QString &fragment);
    void onFailed(quint64 id, const QString &reason);

    QThread m_thread;
    ApertiumChain *m_chain;
    // Asked and neither answered nor cancelled.
    QSet<quint64> m_asked;
    QList<qint64> m_processIds;
};
