#include "translate/localpairs.h"

#include "translate/translatorchoice.h"

#include <QProcess>
#include <QTimer>
#include <utility>

namespace {
// `apertium -l` reads a folder; longer than this and it counts as not there.
constexpr int ListingLimitMs = 10000;
} // namespace

LocalPairs::LocalPairs(QString program, QObject *parent)
    : QObject(parent)
    , m_program(std::move(program)) {}

LocalPairs::~LocalPairs() {
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(1000);
    }
}

void LocalPairs::list() {
    if (m_known || m_process)
        return;
    m_process = new QProcess(this);
    m_process->setProgram(m_program);
    m_process->setArguments({QStringLiteral("-l")});
    m_process->setStandardInputFile(QProcess::nullDevice());
    connect(m_process, &QProcess::finished, this,
            [this] { finish(m_process->readAllStandardOutput()); });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish({});
    });
    QTimer::singleShot(ListingLimitMs, m_process, [this] {
        m_process->kill();
        finish({});
    });
    m_process->start();
}

void LocalPairs::whenKnown(std::function<void()> then) {
    if (m_known) {
        then();
        return;
    }
    m_waiting.push_back(std::move(then));
    list();
}

void LocalPairs::finish(const QByteArray &output) {
    if (m_known)
        return;
    m_known = true;
    m_modes = TranslatorChoice::parseModeList(QString::fromUtf8(output));
    m_process->disconnect(this);
    m_process->deleteLater();
    m_process = nullptr;
    const std::vector<std::function<void()>> waiting = std::exchange(m_waiting, {});
    for (const std::function<void()> &then : waiting)
        then();
    Q_EMIT becameKnown();
}
