#pragma once

#include "export/officeresult.h"

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>

class OfficeSuite;
class QTimer;

// Runs the office suite's calls on a thread of their own, one job after the other, so the
// window keeps answering while the office works. The result of a job comes back on the
// runner's own thread. A job that takes longer than its time limit is reported as
// stopped; its late result is dropped.
class OfficeRunner : public QObject {
    Q_OBJECT

public:
    using Job = std::function<OfficeResult(OfficeSuite &)>;
    using Done = std::function<void(const OfficeResult &)>;

    static constexpr int TimeLimitMs = 60000;

    explicit OfficeRunner(std::unique_ptr<OfficeSuite> suite, QObject *parent = nullptr);
    ~OfficeRunner() override;

    // Whether the office is installed. Asked on the caller's thread: the suite only looks
    // for its files.
    bool isAvailable() const;
    // A job of a user's is queued or running (a warm-up does not count).
    bool isBusy() const { return m_userJobs > 0; }

    // Starts the office in the background, so the user's job does not wait for it.
    void warmUp();
    // done gets the job's result, or a failure with stoppedText after timeLimitMs.
    void run(Job job, Done done, const QString &stoppedText, int timeLimitMs = TimeLimitMs);

private:
    void post(Job job, std::function<void(const OfficeResult &)> onResult);

    std::unique_ptr<OfficeSuite> m_suite;
    QThread m_thread;
    QObject *m_worker = nullptr; // lives on m_thread
    int m_userJobs = 0;
};
