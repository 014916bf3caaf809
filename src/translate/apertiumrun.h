#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QProcess;
class QTimer;

// One translation by Apertium on this computer: `apertium -u -f txt <mode>` with no
// shell, the text on standard input, the translation from standard output. A run that
// passes its time limit is killed with every process it started.
class ApertiumRun : public QObject {
    Q_OBJECT

public:
    enum class Outcome { Translated, NotStarted, Failed, TimedOut };
    using Done = std::function<void(Outcome outcome, const QString &text)>;

    static constexpr int DefaultLimitMs = 10000;
    // Every Apertium process runs at this niceness, so the window has the processor first.
    static constexpr int Niceness = 10;

    // Starts at once; done is called exactly once, later, on this thread, and the run
    // deletes itself after it.
    static ApertiumRun *start(const QString &program, const QString &mode, const QString &text,
                              int limitMs, Done done, QObject *parent = nullptr);
    // The same with Apertium's format option ("html") instead of txt.
    static ApertiumRun *startInFormat(const QString &program, const QString &format,
                                      const QString &mode, const QString &text, int limitMs,
                                      Done done, QObject *parent = nullptr);

private:
    ApertiumRun(Done done, QObject *parent);
    void end(Outcome outcome, const QString &text = {});
    void killAll();

    QProcess *m_process;
    QTimer *m_limit;
    Done m_done;
    bool m_ended = false;
};
