#include "export/officerunner.h"

#include "export/officesuite.h"

#include <QTimer>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int OfficeNiceness = 10;

} // namespace

OfficeRunner::OfficeRunner(std::unique_ptr<OfficeSuite> suite, QObject *parent)
    : QObject(parent)
    , m_suite(std::move(suite))
    , m_worker(new QObject) {
    m_thread.setObjectName(QStringLiteral("office"));
    m_worker->moveToThread(&m_thread);
    m_thread.start();
    // The office thread encodes pictures and starts the office, which inherits its
    // niceness. Niced (on Linux, per thread), both leave the window and the pages the
    // processor while they have work too; the user waits for the export anyway.
    QMetaObject::invokeMethod(m_worker, [] {
        static_cast<void>(
            ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), OfficeNiceness));
    });
}

OfficeRunner::~OfficeRunner() {
    // Waits for a running call: the suite must not go while its thread still uses it.
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
}

bool OfficeRunner::isAvailable() const {
    return m_suite->isAvailable();
}

void OfficeRunner::warmUp() {
    post([](OfficeSuite &suite) { return suite.start(); }, [](const OfficeResult &) {});
}

void OfficeRunner::run(Job job, Done done, const QString &stoppedText, int timeLimitMs) {
    ++m_userJobs;
    // Shared by the result and the time limit: whichever comes first answers.
    auto answer = std::make_shared<Done>(std::move(done));
    auto *limit = new QTimer(this);
    limit->setSingleShot(true);
    connect(limit, &QTimer::timeout, this, [this, answer, stoppedText, limit] {
        limit->deleteLater();
        // The job must not finish its file after the user was told it was stopped.
        m_suite->abort();
        if (Done d = std::exchange(*answer, nullptr))
            d(OfficeResult::failure(stoppedText));
    });
    limit->start(timeLimitMs);
    post(std::move(job), [this, answer, limit](const OfficeResult &result) {
        --m_userJobs;
        if (Done d = std::exchange(*answer, nullptr)) {
            limit->stop();
            limit->deleteLater();
            d(result);
        }
    });
}

void OfficeRunner::post(Job job, std::function<void(const OfficeResult &)> onResult) {
    QMetaObject::invokeMethod(
        m_worker,
        [this, job = std::move(job), onResult = std::move(onResult)] {
            const OfficeResult result = job(*m_suite);
            // Delivered on the runner's thread; dropped with the runner if it is gone.
            QMetaObject::invokeMethod(
                this, [onResult, result] { onResult(result); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}
