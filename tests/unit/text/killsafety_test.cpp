#include "filehelpers.h"
#include "killsafety_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <map>
#include <poll.h>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace {

using KillSafety::programFiles;
using KillSafety::readAll;

constexpr int Kills = 1000;
// Each writer child writes at most this many generations from the one it is given.
constexpr qint64 RunLength = 1000;
// Children start at generations taken in turn from 64 starting points RunLength apart:
// one child's generations never meet those its predecessor left, and each starting
// point comes back, so the few generations after it are worked out once.
constexpr int StartingPoints = 64;

// A kill of the process, not of the machine: what was written stays in the page cache
// whatever the file system, so a memory-backed folder keeps disk waits out of the test's
// time without changing what it checks.
QString scratchTemplate() {
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString base = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return base + QStringLiteral("/quorttrans-killsafety-XXXXXX");
}

// killsafety_writer, which forks a writer child on request.
class Writer {
public:
    Writer(const QString &root, const QString &scratch) {
        // Close-on-exec everywhere: the writer keeps only the copies made for it, and the
        // copy to 3 comes last, as any of the pipes may have been given descriptor 3.
        int requests[2], answers[2], started[2];
        if (::pipe2(requests, O_CLOEXEC) != 0 || ::pipe2(answers, O_CLOEXEC) != 0 ||
            ::pipe2(started, O_CLOEXEC) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, requests[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, answers[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, started[1], 3);
        QByteArray folder = root.toLocal8Bit();
        QByteArray scratchFolder = scratch.toLocal8Bit();
        char *const argv[] = {const_cast<char *>(KILLSAFETY_WRITER), folder.data(),
                              scratchFolder.data(), nullptr};
        const bool spawned =
            posix_spawn(&m_pid, KILLSAFETY_WRITER, &actions, nullptr, argv, environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        for (const int fd : {requests[0], answers[1], started[1]})
            ::close(fd);
        m_requests = requests[1];
        m_answers = answers[0];
        m_started = started[0];
        if (!spawned)
            m_pid = -1;
    }
    ~Writer() {
        for (const int fd : {m_requests, m_answers, m_started}) {
            if (fd >= 0)
                ::close(fd);
        }
        if (m_pid > 0) {
            int status = 0;
            ::waitpid(m_pid, &status, 0);
        }
    }

    bool isRunning() const { return m_pid > 0; }

    // Starts a child writing count generations from first; its process id, or -1.
    pid_t start(qint64 first, qint64 count) {
        const qint64 request[2] = {first, count};
        std::int32_t child = -1;
        if (::write(m_requests, request, sizeof request) != ssize_t(sizeof request) ||
            !readAll(m_answers, &child, sizeof child))
            return -1;
        return child;
    }

    // True once the child has written its first file.
    bool waitForStart() {
        pollfd fd{m_started, POLLIN, 0};
        char byte = 0;
        return ::poll(&fd, 1, 20000) == 1 && ::read(m_started, &byte, 1) == 1;
    }

    // The child's wait status, once it has ended.
    int ended() {
        std::int32_t status = -1;
        return readAll(m_answers, &status, sizeof status) ? status : -1;
    }

private:
    pid_t m_pid = -1;
    int m_requests = -1;
    int m_answers = -1;
    int m_started = -1;
};

// The names a folder may hold: the program's files, and the temporary files QSaveFile
// names after them ("<name>.XXXXXX") should a kill come between naming and renaming.
class FolderRule {
public:
    FolderRule(QString folder, const QStringList &names)
        : m_folder(std::move(folder))
        , m_names(names) {
        QStringList escaped;
        for (const QString &name : names)
            escaped.append(QRegularExpression::escape(name));
        m_temporary = QRegularExpression(
            QStringLiteral("^(%1)\\.[A-Za-z0-9]{6}$").arg(escaped.join(QLatin1Char('|'))));
    }

    // The first name that does not belong, or nothing; counts the temporary files.
    QString check(int &temporaries) const {
        const QStringList entries = QDir(m_folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
        for (const QString &entry : entries) {
            if (m_names.contains(entry))
                continue;
            if (!m_temporary.match(entry).hasMatch())
                return m_folder + QLatin1Char('/') + entry;
            ++temporaries;
        }
        return {};
    }

private:
    QString m_folder;
    QStringList m_names;
    QRegularExpression m_temporary;
};

class ExpectedFiles {
public:
    // What the reader makes of generation k of file i, written undisturbed.
    const QStringList &of(size_t file, qint64 generation) {
        const auto key = std::make_pair(file, generation);
        auto found = m_cache.find(key);
        if (found == m_cache.end()) {
            const auto &program = programFiles()[file];
            program.write(m_folder.path(), generation);
            found =
                m_cache.emplace(key, program.read(m_folder.path()).value_or(QStringList())).first;
        }
        return found->second;
    }

private:
    QTemporaryDir m_folder{scratchTemplate()};
    std::map<std::pair<size_t, qint64>, QStringList> m_cache;
};

} // namespace

// The program writes its files while it runs and may be killed at any moment. After every
// kill each file must read as one complete generation, the one before the write that was
// under way or that write's own, and no temporary file may take a program file's place.
TEST(KillSafety, EveryFileReadsWholeAfterAThousandKills) {
    QTemporaryDir dir(scratchTemplate());
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path();
    const auto &files = programFiles();

    std::map<QString, QStringList> names;
    for (const auto &file : files) {
        const QFileInfo info(root + QLatin1Char('/') + file.relativePath);
        names[info.path()].append(info.fileName());
    }
    std::vector<FolderRule> folders;
    for (const auto &[folder, inFolder] : names)
        folders.emplace_back(folder, inFolder);

    // The files exist before the first kill, as after any earlier run of the program.
    constexpr qint64 Before = StartingPoints * RunLength + 1;
    for (const auto &file : files)
        ASSERT_TRUE(file.write(root, Before));
    std::vector<qint64> previous(files.size(), Before);

    QTemporaryDir scratch(scratchTemplate());
    Writer writer(root, scratch.path());
    ASSERT_TRUE(writer.isRunning()) << "cannot start " << KILLSAFETY_WRITER;

    // A kill comes at a random moment within about one generation's writing after the
    // child's first file, so it lands anywhere in the sequence of files. How long that
    // is depends on the build and the machine; a first child tells.
    qint64 generationMicroseconds = 0;
    {
        constexpr qint64 Generations = 20;
        const pid_t child = writer.start(Before + 1, Generations + 1);
        ASSERT_GT(child, 0);
        ASSERT_TRUE(writer.waitForStart());
        QElapsedTimer clock;
        clock.start();
        const int status = writer.ended();
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        generationMicroseconds = std::max<qint64>(clock.nsecsElapsed() / 1000 / Generations, 50);
        previous.assign(files.size(), Before + Generations + 1);
    }
    std::mt19937 random(20261208);
    std::uniform_int_distribution<qint64> delay(0, generationMicroseconds * 5 / 4);

    ExpectedFiles expected;
    int mixed = 0;
    int temporaries = 0;
    for (int kill = 1; kill <= Kills; ++kill) {
        const qint64 first = 1 + (kill % StartingPoints) * RunLength;
        const pid_t child = writer.start(first, RunLength);
        ASSERT_GT(child, 0) << "kill " << kill << ": no writer child";
        const bool running = writer.waitForStart();
        if (running)
            std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        const int status = writer.ended();
        ASSERT_TRUE(running) << "kill " << kill << ": the child never wrote its first file";
        // Left alone long enough, a child ends after its run: all files are then at its
        // last generation, which the checks below accept as well.
        ASSERT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ||
                    (WIFEXITED(status) && WEXITSTATUS(status) == 0))
            << "kill " << kill << ": the child ended with status " << status
            << " (exit code 2: a write failed)";

        temporaries = 0;
        for (const FolderRule &folder : folders) {
            const QString stranger = folder.check(temporaries);
            ASSERT_TRUE(stranger.isEmpty())
                << "kill " << kill << ": unexpected file " << stranger.toStdString();
        }

        std::vector<qint64> generations;
        for (size_t i = 0; i < files.size(); ++i) {
            const QString path = root + QLatin1Char('/') + files[i].relativePath;
            ASSERT_GT(QFileInfo(path).size(), 0)
                << "kill " << kill << ": " << path.toStdString() << " is missing or empty";
            const std::optional<QStringList> read = files[i].read(root);
            ASSERT_TRUE(read.has_value())
                << "kill " << kill << ": cannot read " << path.toStdString();
            const qint64 generation = KillSafety::generationOf(*read);
            ASSERT_GE(generation, 1)
                << "kill " << kill << ": " << path.toStdString() << " names no generation:\n"
                << fileBytes(path).toStdString();
            ASSERT_EQ(*read, expected.of(i, generation))
                << "kill " << kill << ": " << path.toStdString() << " is not generation "
                << generation << " whole:\n"
                << fileBytes(path).toStdString();
            generations.push_back(generation);
        }

        // The child goes through the files in order, generation after generation. So the
        // kill leaves a front of files at its newest generation and the rest one behind,
        // or, for files it had not reached in its first generation, as the kill before
        // left them.
        const auto written = [&](qint64 g) { return g >= first && g < first + RunLength; };
        const qint64 newest = generations.front();
        size_t front = 0;
        while (written(newest) && front < generations.size() && generations[front] == newest)
            ++front;
        for (size_t i = front; i < generations.size(); ++i) {
            const qint64 behind = written(newest - 1) ? newest - 1 : previous[i];
            ASSERT_EQ(generations[i], behind)
                << "kill " << kill << ": " << files[i].relativePath.toStdString()
                << " is out of step with the files written before it";
        }
        if (front > 0 && front < generations.size())
            ++mixed;
        previous = generations;
    }

    // Kills that all fell between two generations would prove nothing.
    EXPECT_GT(mixed, Kills / 2) << "too few kills landed in the middle of a generation";
    std::printf("%d kills, %d between two files of a generation (%lld us a generation), "
                "%d temporary files left behind\n",
                Kills, mixed, static_cast<long long>(generationMicroseconds), temporaries);
}
