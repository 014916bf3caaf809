#include "browser/enginearchivesaver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace {

// Saving a page holds the engine's own copy of it; a minute covers very large pages.
constexpr int SaveTimeLimitMs = 60000;

// Whether a file can be made (or replaced) at path, found out by trying: the owner's
// rights alone say nothing for a user such as root or a read-only disk.
bool canWrite(const QString &path) {
    QFile file(path);
    const bool existed = file.exists();
    if (!file.open(existed ? QIODevice::ReadWrite : QIODevice::WriteOnly))
        return false;
    file.close();
    if (!existed)
        file.remove();
    return true;
}

} // namespace

void EngineArchiveSaver::save(QWebEnginePage *page, const QString &path, Done done,
                              QObject *parent) {
    auto *saver = new EngineArchiveSaver(page, path, std::move(done), parent);
    saver->start();
}

EngineArchiveSaver::EngineArchiveSaver(QWebEnginePage *page, const QString &path, Done done,
                                       QObject *parent)
    : QObject(parent)
    , m_page(page)
    , m_path(path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath())
    , m_done(std::move(done)) {
    m_timeLimit.setSingleShot(true);
    connect(&m_timeLimit, &QTimer::timeout, this, [this] {
        if (m_download)
            m_download->cancel();
        finish(false, tr("Saving the page took too long."));
    });
}

void EngineArchiveSaver::start() {
    if (!m_page || m_page->url().isEmpty()) {
        finishLater(false, tr("No page is shown."));
        return;
    }
    if (m_path.isEmpty() || !canWrite(m_path)) {
        finishLater(false,
                    tr("The file %1 cannot be written.").arg(QDir::toNativeSeparators(m_path)));
        return;
    }
    connect(m_page->profile(), &QWebEngineProfile::downloadRequested, this,
            &EngineArchiveSaver::onDownloadRequested);
    m_timeLimit.start(SaveTimeLimitMs);
    m_page->save(m_path, QWebEngineDownloadRequest::MimeHtmlSaveFormat);
}

void EngineArchiveSaver::onDownloadRequested(QWebEngineDownloadRequest *download) {
    if (m_download || download->page() != m_page || !download->isSavePageDownload())
        return;
    // The profile serves every page; this is ours, so the rest of its downloads are not.
    disconnect(m_page->profile(), &QWebEngineProfile::downloadRequested, this,
               &EngineArchiveSaver::onDownloadRequested);
    m_download = download;
    // The engine offers a save it was asked for already accepted, with our path; it is
    // accepted here in case that ever changes, and must be before this handler returns.
    if (download->state() == QWebEngineDownloadRequest::DownloadRequested) {
        const QFileInfo target(m_path);
        download->setDownloadDirectory(target.absolutePath());
        download->setDownloadFileName(target.fileName());
        download->accept();
    }
    connect(download, &QWebEngineDownloadRequest::stateChanged, this,
            &EngineArchiveSaver::onStateChanged);
    // Ended already (or ends before the next state change): look now as well.
    if (download->isFinished())
        QTimer::singleShot(0, this, [this] {
            if (m_download)
                onStateChanged(m_download->state());
        });
}

void EngineArchiveSaver::onStateChanged(QWebEngineDownloadRequest::DownloadState state) {
    switch (state) {
    case QWebEngineDownloadRequest::DownloadCompleted:
        if (QFileInfo(m_path).size() > 0)
            finish(true, QString());
        else
            finish(false,
                   tr("The engine wrote nothing to %1.").arg(QDir::toNativeSeparators(m_path)));
        break;
    case QWebEngineDownloadRequest::DownloadCancelled:
        finish(false, tr("Saving the page was cancelled."));
        break;
    case QWebEngineDownloadRequest::DownloadInterrupted:
        finish(false, m_download ? m_download->interruptReasonString() : QString());
        break;
    case QWebEngineDownloadRequest::DownloadRequested:
    case QWebEngineDownloadRequest::DownloadInProgress:
        break;
    }
}

void EngineArchiveSaver::finishLater(bool ok, const QString &error) {
    QTimer::singleShot(0, this, [this, ok, error] { finish(ok, error); });
}

void EngineArchiveSaver::finish(bool ok, const QString &error) {
    if (m_finished)
        return;
    m_finished = true;
    m_timeLimit.stop();
    if (m_download)
        disconnect(m_download, nullptr, this, nullptr);
    if (m_done)
        m_done(ok, ok || !error.isEmpty() ? error : tr("The page could not be saved."));
    deleteLater();
}
