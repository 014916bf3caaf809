#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QSet>
#include <QTimer>

class QWidget;

// For the benchmarks only: with QUORTTRANS_HEARTBEAT naming a file, a 10 ms timer on the
// interface thread writes every gap of 30 ms or more between two of its ticks to that file,
// one line "<ms since start> <gap ms>". It also marks, on lines of their own, each mouse
// button released over a widget ("<ms> click") and each window shown, once its first paint
// has reached the screen ("<ms> painted <object name>"), so a benchmark can time a window
// from the click that opens it. Without the variable nothing runs and nothing is watched.
class HeartbeatProbe : public QObject {
    Q_OBJECT

public:
    explicit HeartbeatProbe(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tick();
    void mark(const QByteArray &what);

    QFile m_out;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    QSet<QWidget *> m_unpainted; // windows shown and not painted since
};
