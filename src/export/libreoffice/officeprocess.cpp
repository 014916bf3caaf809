#include "officeprocess.h"

#include <QDateTime>
#include <QProcess>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// How long the office may take to show it runs, and how often its waiting thread looks up.
constexpr int StartLimitMsecs = 20000;
constexpr int PollMsecs = 100;

} // namespace

OfficeProcess::~OfficeProcess() {
    stop(0);
}

bool OfficeProcess::start(const QString &program, const QStringList &arguments, QString *error) {
    if (m_thread.joinable())
        stop(0);
    m_started = false;
    m_answered = false;
    m_kill = false;
    m_deadline = 0;
    m_thread = std::thread(&OfficeProcess::run, this, program, arguments);
    std::unique_lock<std::mutex> lock(m_mutex);
    m_answer.wait(lock, [this] { return m_answered; });
    if (!m_started)
        *error = m_error;
    return m_started;
}

void OfficeProcess::setDeadline(qint64 msecs) {
    m_deadline = msecs > 0 ? QDateTime::currentMSecsSinceEpoch() + msecs : 0;
}

void OfficeProcess::stop(int graceMsecs) {
    if (!m_thread.joinable())
        return;
    const qint64 until = QDateTime::currentMSecsSinceEpoch() + graceMsecs;
    while (m_running && QDateTime::currentMSecsSinceEpoch() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    m_kill = true;
    m_thread.join();
}

void OfficeProcess::run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        // The program may have died between the fork and the line above.
        if (::getppid() != parent)
            ::_exit(127);
    });
    process.start();
    const bool started = process.waitForStarted(StartLimitMsecs);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_started = started;
        m_error = started ? QString() : process.errorString();
        m_running = started;
        m_pid = started ? process.processId() : 0;
        m_answered = true;
    }
    m_answer.notify_all();
    if (!started)
        return;

    bool killed = false;
    while (!process.waitForFinished(PollMsecs) && process.state() != QProcess::NotRunning) {
        const qint64 deadline = m_deadline;
        const bool overdue = deadline != 0 && QDateTime::currentMSecsSinceEpoch() > deadline;
        if ((m_kill || overdue) && !killed) {
            process.kill();
            killed = true;
        }
    }
    m_running = false;
    m_pid = 0;
}
