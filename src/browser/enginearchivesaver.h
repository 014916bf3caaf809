#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWebEngineDownloadRequest>
#include <functional>

class QWebEnginePage;

// One save of a page as a web archive (MHTML). The engine saves a page as a download of its
// profile: the saver asks for it, picks its download out of the profile's, follows it to its
// end and reports once, then deletes itself. A save that has not ended within the time
// limit is cancelled and fails.
class EngineArchiveSaver : public QObject {
    Q_OBJECT

public:
    using Done = std::function<void(bool ok, const QString &error)>;

    // Starts saving page to path; done runs once, later on this thread. Deleting parent
    // first ends the save without a report.
    static void save(QWebEnginePage *page, const QString &path, Done done, QObject *parent);

private:
    EngineArchiveSaver(QWebEnginePage *page, const QString &path, Done done, QObject *parent);

    void start();
    void onDownloadRequested(QWebEngineDownloadRequest *download);
    void onStateChanged(QWebEngineDownloadRequest::DownloadState state);
    // Later, never inside the caller's own call.
    void finishLater(bool ok, const QString &error);
    void finish(bool ok, const QString &error);

    QPointer<QWebEnginePage> m_page;
    QString m_path;
    Done m_done;
    QPointer<QWebEngineDownloadRequest> m_download;
    QTimer m_timeLimit;
    bool m_finished = false;
};
