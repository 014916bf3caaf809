#include "app/heartbeatprobe.h"

namespace {
constexpr int TickMs = 10;
constexpr qint64 ReportedGapMs = 30;
} // namespace

HeartbeatProbe::HeartbeatProbe(QObject *parent)
    : QObject(parent) {
    const QString path = qEnvironmentVariable("QUORTTRANS_HEARTBEAT");
    if (path.isEmpty())
        return;
    m_out.setFileName(path);
    if (!m_out.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return;
    m_clock.start();
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &HeartbeatProbe::tick);
    m_timer.start(TickMs);
}

void HeartbeatProbe::tick() {
    const qint64 now = m_clock.elapsed();
    if (now - m_last >= ReportedGapMs)
        m_out.write(QByteArray::number(now) + ' ' + QByteArray::number(now - m_last) + '\n');
    m_last = now;
}
