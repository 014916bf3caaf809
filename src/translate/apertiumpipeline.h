#pragma once

#include "translate/blocktranslator.h"

#include <QByteArray>
#include <QList>
#include <deque>

class QProcess;
class QTimer;

// A pair's programs kept running as a chain of processes (no shell, niced), each flushing at
// every NUL: a block goes in as Apertium's stream format and a NUL, and its translation
// comes out with its NUL as soon as the last program has it, with no new process per block.
//
// The chain starts with the first block. A few blocks are in the chain at once, so its
// programs work side by side; the rest wait here, so that cancelAll() leaves little for the
// chain to finish. The chain ends when this is destroyed, or when cancelAll() is followed
// by IdleEndMs with no new block: a tab that went away frees its processes, a page that
// goes on (text its scripts add) keeps them.
//
// When a program ends or a block passes its limit, the chain is killed, and every block
// still asked for is answered by failed(), in order; the next block starts a new chain.
class ApertiumPipeline : public BlockTranslator {
    Q_OBJECT

public:
    static constexpr int BlockLimitMs = 10000;
    static constexpr int IdleEndMs = 30000;
    static constexpr int InFlight = 8;

    // modeFile is the pair's mode file; name names the pair in reasons ("spa-eng").
    ApertiumPipeline(QString modeFile, QString name, QObject *parent = nullptr);
    ~ApertiumPipeline() override;

    void translate(quint64 id, const QString &fragment) override;
    void cancelAll() override;

    // The chain's processes are running (for the tests and the idle end).
    bool running() const { return !m_processes.isEmpty(); }
    // The processes of the chain, first to last, while it runs.
    QList<qint64> processIds() const;

private:
    struct Block {
        quint64 id;
        QByteArray stream;
        bool wanted;
    };

    bool start();
    void stop();
    void feed();
    void readAnswers();
    void fail(const QString &reason);

    QString m_modeFile;
    QString m_name;
    QList<QProcess *> m_processes;
    // Written into the chain, answers awaited, oldest first.
    std::deque<Block> m_sent;
    // Not written yet.
    std::deque<Block> m_waiting;
    QByteArray m_output;
    QByteArray m_errors;
    QTimer *m_limit;
    QTimer *m_idle;
    bool m_startScheduled = false;
};
