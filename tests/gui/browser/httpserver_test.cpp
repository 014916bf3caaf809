#include "support/httpserver.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

constexpr int TimeLimitMs = 10000;

class TestHttpServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.isListening());
        // Redirects are the client's business; here the server's own answer is looked at.
        network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    }

    QNetworkReply *get(const QString &pathAndQuery) {
        return network.get(QNetworkRequest(server.url(pathAndQuery)));
    }

    static bool finishes(QNetworkReply *reply) {
        QSignalSpy finished(reply, &QNetworkReply::finished);
        return reply->isFinished() || finished.wait(TimeLimitMs);
    }

    TestHttpServer server;
    QNetworkAccessManager network;
};

TEST_F(TestHttpServerTest, AnswersTheRoutesItWasGiven) {
    TestHttpServer::Response plain;
    plain.status = 201;
    plain.contentType = "text/plain; charset=utf-8";
    plain.body = "made";
    plain.headers.append(qMakePair(QByteArray("X-Extra"), QByteArray("yes")));
    server.setRoute(QStringLiteral("/made"), plain);
    server.setRedirect(QStringLiteral("/old"), QStringLiteral("/new"));

    std::unique_ptr<QNetworkReply> made(get(QStringLiteral("/made")));
    ASSERT_TRUE(finishes(made.get()));
    EXPECT_EQ(made->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 201);
    EXPECT_EQ(made->header(QNetworkRequest::ContentTypeHeader).toString(),
              "text/plain; charset=utf-8");
    EXPECT_EQ(made->rawHeader("X-Extra"), "yes");
    EXPECT_EQ(made->readAll(), "made");

    std::unique_ptr<QNetworkReply> moved(get(QStringLiteral("/old")));
    ASSERT_TRUE(finishes(moved.get()));
    EXPECT_EQ(moved->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 302);
    EXPECT_EQ(moved->rawHeader("Location"), "/new");

    std::unique_ptr<QNetworkReply> missing(get(QStringLiteral("/nowhere")));
    ASSERT_TRUE(finishes(missing.get()));
    EXPECT_EQ(missing->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 404);
}

TEST_F(TestHttpServerTest, KeepsEveryRequestRawAndDecoded) {
    server.setHtml(QStringLiteral("/find me"), QStringLiteral("<p>found</p>"));
    QUrl address = server.url(QStringLiteral("/find%20me"));
    address.setQuery(QStringLiteral("q=a%20b%26c&lang=%C3%A9"), QUrl::StrictMode);
    std::unique_ptr<QNetworkReply> found(network.get(QNetworkRequest(address)));
    ASSERT_TRUE(finishes(found.get()));
    EXPECT_EQ(found->readAll(), "<p>found</p>");

    QNetworkRequest post(server.url(QStringLiteral("/form")));
    post.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    std::unique_ptr<QNetworkReply> posted(network.post(post, QByteArray("name=value")));
    ASSERT_TRUE(finishes(posted.get()));

    const QList<TestHttpServer::Request> requests = server.requests();
    ASSERT_EQ(requests.size(), 2);
    const TestHttpServer::Request &first = requests[0];
    EXPECT_EQ(first.method, "GET");
    EXPECT_EQ(first.rawTarget, "/find%20me?q=a%20b%26c&lang=%C3%A9");
    EXPECT_EQ(first.path, "/find me");
    EXPECT_EQ(first.rawQuery, "q=a%20b%26c&lang=%C3%A9");
    EXPECT_EQ(first.query, QString::fromUtf8("q=a b&c&lang=é"));
    EXPECT_EQ(first.queryValue(QStringLiteral("q")), "a b&c");
    EXPECT_EQ(first.queryValue(QStringLiteral("lang")), QString::fromUtf8("é"));
    EXPECT_TRUE(first.queryValue(QStringLiteral("absent")).isNull());
    EXPECT_EQ(first.headers.value("host"), "127.0.0.1:" + QByteArray::number(server.port()));

    EXPECT_EQ(requests[1].method, "POST");
    EXPECT_EQ(requests[1].body, "name=value");
    EXPECT_EQ(server.requestedPaths(), QStringList({"/find me", "/form"}));
    EXPECT_EQ(server.requestCount(QStringLiteral("/form")), 1);
    server.clearRequests();
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(TestHttpServerTest, HoldsADelayedAnswerBack) {
    server.setHtml(QStringLiteral("/late"), QStringLiteral("late"), 300);
    std::unique_ptr<QNetworkReply> late(get(QStringLiteral("/late")));
    ASSERT_TRUE(server.waitForRequest(QStringLiteral("/late")));
    // The request is in, the answer is not.
    EXPECT_FALSE(late->isFinished());
    ASSERT_TRUE(finishes(late.get()));
    EXPECT_EQ(late->readAll(), "late");
}

} // namespace
