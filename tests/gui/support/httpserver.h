#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 for tests: it answers the routes a test registers
// and keeps every request it received. One connection per request (Connection: close).
class TestHttpServer : public QObject {
    Q_OBJECT

public:
    struct Response {
        int status = 200;
        QByteArray contentType = "text/html; charset=utf-8";
        QByteArray body;
        // The answer is held back this long, so a test can watch a page while it loads.
        int delayMs = 0;
        // Extra header lines, e.g. {"Location", "/elsewhere"}.
        QList<QPair<QByteArray, QByteArray>> headers;
    };

    struct Request {
        QByteArray method;
        // The request target exactly as sent, e.g. "/a%20b?q=x%26y".
        QByteArray rawTarget;
        // The path, percent-decoded: "/a b".
        QString path;
        // The query after '?' as sent, and percent-decoded ('+' stays '+').
        QByteArray rawQuery;
        QString query;
        // Header names in lower case.
        QHash<QByteArray, QByteArray> headers;
        QByteArray body;

        // One decoded query value (the first with that key), or a null string.
        QString queryValue(const QString &key) const;
    };

    // Listens on a free port of 127.0.0.1 at once; isListening() tells whether it could.
    explicit TestHttpServer(QObject *parent = nullptr);
    ~TestHttpServer() override;

    bool isListening() const;
    quint16 port() const;
    // The full address of a path on this server, e.g. url("/page?x=1").
    QUrl url(const QString &pathAndQuery = QStringLiteral("/")) const;

    // Routes match the decoded path exactly; a later registration replaces an earlier one.
    // Anything not registered gets 404.
    void setRoute(const QString &path, const Response &response);
    void setHtml(const QString &path, const QString &html, int delayMs = 0);
    void setRedirect(const QString &path, const QString &target, int status = 302);

    QList<Request> requests() const { return m_requests; }
    // Decoded paths of all requests so far, in order of arrival.
    QStringList requestedPaths() const;
    int requestCount(const QString &path) const;
    void clearRequests() { m_requests.clear(); }

    // Runs the event loop until a request for path has arrived (or had arrived already),
    // or timeoutMs passed; true if it came.
    bool waitForRequest(const QString &path, int timeoutMs = 10000);

Q_SIGNALS:
    void requestReceived(const QString &path);

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const Request &request);

    QTcpServer *m_server;
    QHash<QString, Response> m_routes;
    QHash<QTcpSocket *, QByteArray> m_pending;
    QList<Request> m_requests;
};
