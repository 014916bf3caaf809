// The writer of the kill-safety test. Usage: killsafety_writer FOLDER SCRATCH-FOLDER
// For each request read from standard input, a first generation N and a count C (8 bytes
// each), a child writes every program file into FOLDER, generation N, N+1 ... up to
// N+C-1, and writes one byte to descriptor 3 once its first file is written. The writer
// answers with the child's process id (4 bytes) on standard output, and once the child
// has ended (the test kills it) with its wait status (4 bytes).
//
// A child is forked ahead of its request and writes one file into SCRATCH-FOLDER first:
// after a fork, a process's first writes to its memory cost far more than the file
// writes themselves (most of all under the sanitizers), and so they are paid while the
// test checks the previous kill, not between a request and its kill.
#include "killsafety_files.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <sys/wait.h>
#include <unistd.h>

using KillSafety::readAll;

namespace {

bool writeAll(int fd, const void *data, size_t size) {
    return ::write(fd, data, size) == ssize_t(size);
}

[[noreturn]] void writeGenerations(const QString &root, qint64 first, qint64 count) {
    const auto &files = KillSafety::programFiles();
    for (qint64 k = first; k < first + count; ++k) {
        for (const KillSafety::ProgramFile &file : files) {
            if (!file.write(root, k))
                ::_exit(2);
            // From here on the child surely runs, however busy the machine is.
            if (k == first && &file == &files.front() && !writeAll(3, "s", 1))
                ::_exit(3);
        }
    }
    ::_exit(0);
}

struct Armed {
    pid_t pid = -1;
    int go = -1; // where its request goes
};

Armed arm(const QString &root, const QString &scratch) {
    int go[2];
    if (::pipe(go) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(go[1]);
        if (!KillSafety::programFiles().front().write(scratch, 1))
            ::_exit(2);
        qint64 request[2] = {0, 0};
        if (!readAll(go[0], request, sizeof request))
            ::_exit(0);
        writeGenerations(root, request[0], request[1]);
    }
    ::close(go[0]);
    if (pid < 0) {
        ::close(go[1]);
        return {};
    }
    return {pid, go[1]};
}

bool reap(pid_t pid, int &status) {
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 3)
        return 1;
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString scratch = QString::fromLocal8Bit(argv[2]);
    Armed child = arm(root, scratch);
    qint64 request[2] = {0, 0};
    while (child.pid > 0 && readAll(STDIN_FILENO, request, sizeof request)) {
        const std::int32_t pid = child.pid;
        if (!writeAll(child.go, request, sizeof request) ||
            !writeAll(STDOUT_FILENO, &pid, sizeof pid))
            return 5;
        ::close(child.go);
        int status = 0;
        if (!reap(child.pid, status))
            return 6;
        const std::int32_t ended = status;
        if (!writeAll(STDOUT_FILENO, &ended, sizeof ended))
            return 5;
        child = arm(root, scratch);
    }
    if (child.pid > 0) {
        ::kill(child.pid, SIGKILL);
        int status = 0;
        reap(child.pid, status);
    }
    return child.pid > 0 ? 0 : 4;
}
