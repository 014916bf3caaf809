#include "startup/heartbeatprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

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
    QCoreApplication::instance()->installEventFilter(this);
}

void HeartbeatProbe::tick() {
    const qint64 now = m_clock.elapsed();
    if (now - m_last >= ReportedGapMs)
        m_out.write(QByteArray::number(now) + ' ' + QByteArray::number(now - m_last) + '\n');
    m_last = now;
}

void HeartbeatProbe::mark(const QByteArray &what) {
    m_out.write(QByteArray::number(m_clock.elapsed()) + ' ' + what + '\n');
}

bool HeartbeatProbe::eventFilter(QObject *watched, QEvent *event) {
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        mark("click");
        break;
    case QEvent::Show:
        if (widget->isWindow() && !m_unpainted.contains(widget)) {
            m_unpainted.insert(widget);
            connect(widget, &QObject::destroyed, this,
                    [this, widget] { m_unpainted.remove(widget); });
        }
        break;
    case QEvent::Paint:
        // The window and its children paint in one go and are then put on the screen; a
        // call queued now runs once that has happened.
        if (m_unpainted.remove(widget->window())) {
            disconnect(widget->window(), &QObject::destroyed, this, nullptr);
            const QByteArray name = widget->window()->objectName().toUtf8();
            QMetaObject::invokeMethod(
                this, [this, name] { mark("painted " + name); }, Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    return false;
}
