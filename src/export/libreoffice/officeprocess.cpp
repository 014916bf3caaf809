#include "officeprocess.h"

#include <QDateTime>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// How often the office's waiting thread looks up.
constexpr int PollMsecs = 50;

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
    // posix_spawn, unlike fork, does not copy the program's page tables: a fork of a
    // browser holding half a gigabyte stalls every other thread of it, the window's
    // included, while the kernel copies them. setpriv arms the kill on the starter's death
    // and then becomes the office.
    std::vector<QByteArray> words{"setpriv", "--pdeathsig", "KILL", "--", program.toLocal8Bit()};
    for (const QString &argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = ::posix_spawnp(&pid, "setpriv", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_started = failed == 0;
        m_error = failed ? QStringLiteral("%1 could not be started: %2")
                               .arg(program, QString::fromLocal8Bit(::strerror(failed)))
                         : QString();
        m_running = m_started;
        m_pid = m_started ? pid : 0;
        m_answered = true;
    }
    m_answer.notify_all();
    if (failed)
        return;

    bool killed = false;
    for (;;) {
        int status = 0;
        const pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid || (ended < 0 && errno != EINTR))
            break;
        const qint64 deadline = m_deadline;
        const bool overdue = deadline != 0 && QDateTime::currentMSecsSinceEpoch() > deadline;
        if ((m_kill || overdue) && !killed) {
            ::kill(pid, SIGKILL);
            killed = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(PollMsecs));
    }
    m_running = false;
    m_pid = 0;
}
