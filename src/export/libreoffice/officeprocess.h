#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// The office program as a child that cannot outlive the program. A thread of its own
// starts it and waits for its end: the kernel kills the child when the thread that started
// it ends (PR_SET_PDEATHSIG, armed by setpriv), so the starter must live exactly as long as
// the child, not as long as whichever worker thread happened to make the first office
// call. The same thread also enforces a deadline, so a hung office can always be ended.
class OfficeProcess {
public:
    OfficeProcess() = default;
    OfficeProcess(const OfficeProcess &) = delete;
    OfficeProcess &operator=(const OfficeProcess &) = delete;
    // Kills the office if it still runs.
    ~OfficeProcess();

    // Starts program once; fails with a sentence when it could not be run.
    bool start(const QString &program, const QStringList &arguments, QString *error);
    bool isRunning() const { return m_running; }
    qint64 processId() const { return m_pid; }

    // Kills the office when it still runs msecs from now; a later call replaces the
    // deadline, 0 removes it.
    void setDeadline(qint64 msecs);
    // From any thread: the waiting thread kills the office at its next look.
    void kill() { m_kill = true; }
    // Waits up to graceMsecs for the office to end by itself, then kills it.
    void stop(int graceMsecs);

private:
    void run(const QString &program, const QStringList &arguments);

    std::thread m_thread;
    std::mutex m_mutex;
    // Set by the thread once it knows whether the program runs.
    bool m_started = false;
    bool m_answered = false;
    QString m_error;
    std::condition_variable m_answer;

    std::atomic<bool> m_running{false};
    std::atomic<qint64> m_pid{0};
    std::atomic<qint64> m_deadline{0}; // QDateTime msecs since the epoch, 0 for none
    std::atomic<bool> m_kill{false};
};
