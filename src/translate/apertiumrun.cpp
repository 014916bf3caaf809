#include "translate/apertiumrun.h"

#include <QProcess>
#include <QTimer>
#include <csignal>
#include <unistd.h>
#include <utility>

ApertiumRun::ApertiumRun(Done done, QObject *parent)
    : QObject(parent)
    , m_process(new QProcess(this))
    , m_limit(new QTimer(this))
    , m_done(std::move(done)) {
    m_limit->setSingleShot(true);
}

ApertiumRun *ApertiumRun::start(const QString &program, const QString &mode, const QString &text,
                                int limitMs, Done done, QObject *parent) {
    return startInFormat(program, QStringLiteral("txt"), mode, text, limitMs, std::move(done),
                         parent);
}

ApertiumRun *ApertiumRun::startInFormat(const QString &program, const QString &format,
                                        const QString &mode, const QString &text, int limitMs,
                                        Done done, QObject *parent) {
    auto *run = new ApertiumRun(std::move(done), parent);
    QProcess *process = run->m_process;
    process->setProgram(program);
    process->setArguments({QStringLiteral("-u"), QStringLiteral("-f"), format, mode});
    // apertium is a pipeline of programs: a group of their own lets the limit end them all.
    // Half a dozen of them start at once; niced, they leave the window the processor it
    // needs to stay answering, and still have it all when the window is idle.
    process->setChildProcessModifier([] {
        ::setpgid(0, 0);
        static_cast<void>(::nice(Niceness));
    });

    const bool blank = text.trimmed().isEmpty();
    connect(process, &QProcess::finished, run, [run, blank](int code, QProcess::ExitStatus status) {
        const QString output = QString::fromUtf8(run->m_process->readAllStandardOutput());
        // A broken mode file makes the pipeline fail, or end having said nothing.
        if (status != QProcess::NormalExit || code != 0 || (!blank && output.trimmed().isEmpty()))
            run->end(Outcome::Failed);
        else
            run->end(Outcome::Translated, output);
    });
    connect(process, &QProcess::errorOccurred, run, [run](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            run->end(Outcome::NotStarted);
    });
    connect(run->m_limit, &QTimer::timeout, run, [run] { run->end(Outcome::TimedOut); });

    run->m_limit->start(limitMs);
    process->start();
    if (process->state() != QProcess::NotRunning) {
        process->write(text.toUtf8());
        process->closeWriteChannel();
    }
    return run;
}

void ApertiumRun::killAll() {
    const qint64 pid = m_process->processId();
    if (pid > 0)
        ::kill(-static_cast<pid_t>(pid), SIGKILL);
    m_process->kill();
}

void ApertiumRun::end(Outcome outcome, const QString &text) {
    if (m_ended)
        return;
    m_ended = true;
    m_limit->stop();
    m_process->disconnect(this);
    if (m_process->state() != QProcess::NotRunning) {
        // Killed processes are reaped when they are gone, not waited for here.
        m_process->setParent(nullptr);
        connect(m_process, &QProcess::finished, m_process, &QObject::deleteLater);
        killAll();
    }
    const Done done = std::move(m_done);
    deleteLater();
    done(outcome, text);
}
