#include "translate/apertiumchain.h"

#include "translate/apertiummodefile.h"
#include "translate/apertiumrun.h"
#include "translate/apertiumstream.h"

#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <unistd.h>
#include <utility>

namespace {
// The last words a program wrote to its error output, kept for the reason it failed.
constexpr qsizetype KeptErrorBytes = 400;
} // namespace

ApertiumChain::ApertiumChain(QString modeFile, QString name)
    : m_modeFile(std::move(modeFile))
    , m_name(std::move(name))
    , m_limit(new QTimer(this))
    , m_idle(new QTimer(this)) {
    m_limit->setSingleShot(true);
    m_limit->setInterval(BlockLimitMs);
    connect(m_limit, &QTimer::timeout, this, [this] {
        fail(tr("apertium %1: a block took longer than %2 s").arg(m_name).arg(BlockLimitMs / 1000));
    });
    m_idle->setSingleShot(true);
    m_idle->setInterval(IdleEndMs);
    connect(m_idle, &QTimer::timeout, this, &ApertiumChain::stop);
}

ApertiumChain::~ApertiumChain() {
    stop();
}

void ApertiumChain::translate(quint64 id, const QString &fragment) {
    m_idle->stop();
    // lt-proc holds a block's last word back until a blank follows it: an empty superblank
    // ends every block, and the reader drops it.
    m_waiting.push_back(
        {id, (ApertiumStream::fromFragment(fragment) + QLatin1String("[]")).toUtf8(), true});
    if (running()) {
        feed();
    } else if (!m_startScheduled) {
        // Started from the event loop, so that blocks asked together go in together.
        m_startScheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_startScheduled = false;
            if (!running() && !m_waiting.empty() && start())
                feed();
        });
    }
}

void ApertiumChain::cancelAll() {
    m_waiting.clear();
    // What is in the chain comes out all the same and is dropped then.
    for (Block &block : m_sent)
        block.wanted = false;
    if (running())
        m_idle->start();
}

bool ApertiumChain::start() {
    const QList<ApertiumModeFile::Program> programs = ApertiumModeFile::read(m_modeFile);
    if (programs.isEmpty()) {
        fail(tr("apertium %1: no pipeline in %2").arg(m_name, m_modeFile));
        return false;
    }
    m_output.clear();
    m_errors.clear();
    for (const ApertiumModeFile::Program &program : programs) {
        auto *process = new QProcess(this);
        process->setProgram(program.program);
        process->setArguments(program.arguments);
        process->setChildProcessModifier([] { static_cast<void>(::nice(ApertiumRun::Niceness)); });
        if (!m_processes.isEmpty())
            m_processes.last()->setStandardOutputProcess(process);
        connect(process, &QProcess::readyReadStandardError, this, [this, process] {
            m_errors += process->readAllStandardError();
            m_errors = m_errors.right(KeptErrorBytes);
        });
        const QString name = program.program;
        connect(process, &QProcess::finished, this, [this, name](int code) {
            fail(tr("apertium %1: %2 ended (%3) %4")
                     .arg(m_name, name)
                     .arg(code)
                     .arg(QString::fromUtf8(m_errors).trimmed()));
        });
        connect(process, &QProcess::errorOccurred, this,
                [this, name](QProcess::ProcessError error) {
                    if (error == QProcess::FailedToStart)
                        fail(tr("apertium %1: %2 could not be started").arg(m_name, name));
                });
        m_processes.append(process);
    }
    connect(m_processes.last(), &QProcess::readyReadStandardOutput, this,
            &ApertiumChain::readAnswers);
    // Started last to first, so each one's output has its reader before it writes. One
    // that cannot start stops the chain at once.
    for (qsizetype n = m_processes.size(); n-- > 0 && running();)
        m_processes[n]->start();
    if (!running())
        return false;
    QList<qint64> ids;
    for (const QProcess *process : std::as_const(m_processes))
        ids.append(process->processId());
    Q_EMIT started(ids);
    return true;
}

void ApertiumChain::stop() {
    m_limit->stop();
    m_idle->stop();
    const QList<QProcess *> processes = std::exchange(m_processes, {});
    for (QProcess *process : processes) {
        process->disconnect(this);
        process->kill();
    }
    // A killed process is gone at once; the wait only reaps it. The object goes later, as
    // this may run inside one of its own signals.
    for (QProcess *process : processes) {
        process->waitForFinished(1000);
        process->deleteLater();
    }
    m_sent.clear();
    if (!processes.isEmpty())
        Q_EMIT stopped();
}

void ApertiumChain::feed() {
    QByteArray bytes;
    while (!m_waiting.empty() && m_sent.size() < size_t(InFlight)) {
        Block block = std::move(m_waiting.front());
        m_waiting.pop_front();
        bytes += block.stream;
        bytes += '\0';
        m_sent.push_back(std::move(block));
    }
    if (bytes.isEmpty())
        return;
    m_processes.first()->write(bytes);
    if (!m_limit->isActive())
        m_limit->start();
}

void ApertiumChain::readAnswers() {
    m_output += m_processes.last()->readAllStandardOutput();
    qsizetype end;
    while (running() && (end = m_output.indexOf('\0')) >= 0) {
        const QString stream = QString::fromUtf8(m_output.constData(), end);
        m_output.remove(0, end + 1);
        if (m_sent.empty())
            continue;
        const Block block = std::move(m_sent.front());
        m_sent.pop_front();
        m_limit->start();
        if (m_sent.empty())
            m_limit->stop();
        feed();
        if (block.wanted)
            Q_EMIT translated(block.id, ApertiumStream::toFragment(stream));
    }
}

void ApertiumChain::fail(const QString &reason) {
    std::deque<Block> asked = std::exchange(m_sent, {});
    for (Block &block : m_waiting)
        asked.push_back(std::move(block));
    m_waiting.clear();
    stop();
    for (const Block &block : asked) {
        if (block.wanted)
            Q_EMIT failed(block.id, reason);
    }
}
