#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <deque>

class QProcess;
class QTimer;

// The chain of processes behind ApertiumPipeline, living on the pipeline's worker thread:
// starting a process forks the whole program, which must not hold up the window, and the
// blocks' stream format is written and read here too. It answers blocks in order; the
// pipeline keeps which ids are still wanted.
//
// Up to InFlight blocks are in the chain at once, so that its programs work side by side
// and none waits long for the one before it (at 8, a long page took a fifth longer); the
// rest wait here, so that cancelAll() leaves little for the chain to finish.
//
// The chain ends when this is destroyed, or when cancelAll() is followed by IdleEndMs with
// no new block: a tab that went away frees its processes, a page that goes on (text its
// scripts add) keeps them.
//
// When a program ends or a block passes its limit, the chain is killed, and every block
// still asked for is answered by failed(), in order; the next block starts a new chain.
class ApertiumChain : public QObject {
    Q_OBJECT

public:
    static constexpr int BlockLimitMs = 10000;
    static constexpr int IdleEndMs = 30000;
    static constexpr int InFlight = 32;

    ApertiumChain(QString modeFile, QString name);
    ~ApertiumChain() override;

    void translate(quint64 id, const QString &fragment);
    void cancelAll();

Q_SIGNALS:
    // The chain's processes run, first to last.
    void started(const QList<qint64> &processIds);
    void stopped();
    void translated(quint64 id, const QString &fragment);
    void failed(quint64 id, const QString &reason);

private:
    struct Block {
        quint64 id;
        QByteArray stream;
        bool wanted;
    };

    bool running() const { return !m_processes.isEmpty(); }
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
