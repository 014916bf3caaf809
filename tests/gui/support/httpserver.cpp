#include "support/httpserver.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

namespace {

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 204:
        return "No Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 303:
        return "See Other";
    case 307:
        return "Temporary Redirect";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

// Splits a complete request (head and body) out of buffer; false while more bytes are needed.
bool takeRequest(QByteArray &buffer, TestHttpServer::Request &request) {
    const int headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return false;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.rawTarget = requestLine.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
    }
    const int length = request.headers.value("content-length", "0").toInt();
    const int bodyStart = headEnd + 4;
    if (buffer.size() < bodyStart + length)
        return false;
    request.body = buffer.mid(bodyStart, length);
    buffer.remove(0, bodyStart + length);

    const int question = request.rawTarget.indexOf('?');
    const QByteArray rawPath = question < 0 ? request.rawTarget : request.rawTarget.left(question);
    request.rawQuery = question < 0 ? QByteArray() : request.rawTarget.mid(question + 1);
    request.path = QUrl::fromPercentEncoding(rawPath);
    request.query = QUrl::fromPercentEncoding(request.rawQuery);
    return true;
}

} // namespace

QString TestHttpServer::Request::queryValue(const QString &key) const {
    const QUrlQuery items(QString::fromLatin1(rawQuery));
    if (!items.hasQueryItem(key))
        return QString();
    return items.queryItemValue(key, QUrl::FullyDecoded);
}

TestHttpServer::TestHttpServer(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this)) {
    connect(m_server, &QTcpServer::newConnection, this, &TestHttpServer::onNewConnection);
    m_server->listen(QHostAddress::LocalHost, 0);
}

TestHttpServer::~TestHttpServer() {
    // Sockets still open die with the server; they must not call back into a half-gone object.
    m_server->close();
    const auto sockets = m_server->findChildren<QTcpSocket *>();
    for (QTcpSocket *socket : sockets)
        socket->disconnect(this);
}

bool TestHttpServer::isListening() const {
    return m_server->isListening();
}

quint16 TestHttpServer::port() const {
    return m_server->serverPort();
}

QUrl TestHttpServer::url(const QString &pathAndQuery) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(pathAndQuery));
}

void TestHttpServer::setRoute(const QString &path, const Response &response) {
    m_routes.insert(path, response);
}

void TestHttpServer::setHtml(const QString &path, const QString &html, int delayMs) {
    Response response;
    response.body = html.toUtf8();
    response.delayMs = delayMs;
    setRoute(path, response);
}

void TestHttpServer::setRedirect(const QString &path, const QString &target, int status) {
    Response response;
    response.status = status;
    response.body = "moved";
    response.contentType = "text/plain";
    response.headers.append({"Location", target.toUtf8()});
    setRoute(path, response);
}

QStringList TestHttpServer::requestedPaths() const {
    QStringList paths;
    for (const Request &request : m_requests)
        paths.append(request.path);
    return paths;
}

int TestHttpServer::requestCount(const QString &path) const {
    return static_cast<int>(requestedPaths().count(path));
}

bool TestHttpServer::waitForRequest(const QString &path, int timeoutMs) {
    if (requestCount(path) > 0)
        return true;
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    connect(this, &TestHttpServer::requestReceived, &loop, [&](const QString &arrived) {
        if (arrived == path)
            loop.quit();
    });
    loop.exec();
    return requestCount(path) > 0;
}

void TestHttpServer::onNewConnection() {
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }
}

void TestHttpServer::onReadyRead(QTcpSocket *socket) {
    QByteArray &buffer = m_pending[socket];
    buffer.append(socket->readAll());
    Request request;
    if (!takeRequest(buffer, request))
        return;
    // One request per connection: whatever follows is not read.
    socket->disconnect(this);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    m_pending.remove(socket);
    m_requests.append(request);
    Q_EMIT requestReceived(request.path);

    const int delay = m_routes.value(request.path).delayMs;
    if (delay > 0)
        QTimer::singleShot(delay, socket, [this, socket, request] { answer(socket, request); });
    else
        answer(socket, request);
}

void TestHttpServer::answer(QTcpSocket *socket, const Request &request) {
    Response response;
    const auto route = m_routes.constFind(request.path);
    if (route != m_routes.constEnd()) {
        response = route.value();
    } else {
        response.status = 404;
        response.contentType = "text/plain";
        response.body = "not found";
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                      reasonPhrase(response.status) + "\r\n";
    head += "Content-Type: " + response.contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    head += "Cache-Control: no-store\r\nConnection: close\r\n";
    for (const auto &header : response.headers)
        head += header.first + ": " + header.second + "\r\n";
    socket->write(head + "\r\n");
    if (request.method != "HEAD")
        socket->write(response.body);
    socket->disconnectFromHost();
}
