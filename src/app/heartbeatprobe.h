#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTimer>

// For the benchmarks only: with QUORTTRANS_HEARTBEAT naming a file, a 10 ms timer on the
// interface thread writes every gap of 30 ms or more between two of its ticks to that file,
// one line "<ms since start> <gap ms>". Without the variable nothing runs at all.
class HeartbeatProbe : public QObject {
    Q_OBJECT

public:
    explicit HeartbeatProbe(QObject *parent = nullptr);

private:
    void tick();

    QFile m_out;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
};
