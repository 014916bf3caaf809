#include "browser/enginewebview.h"
#include "browser/navigationpolicy.h"
#include "filehelpers.h"
#include "support/httpserver.h"
#include "waituntil.h"

#include <QDesktopServices>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int LoadTimeLimitMs = 20000;

// A stand-in xdg-open first on PATH: every address the desktop would have been handed
// is written to a file instead of opening anything.
class RecordingXdgOpen {
public:
    RecordingXdgOpen()
        : m_oldPath(qgetenv("PATH")) {
        const QString script = m_bin.filePath(QStringLiteral("xdg-open"));
        putFile(script, "#!/bin/sh\necho \"$@\" >> '" + record().toUtf8() + "'\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", m_bin.path().toUtf8() + ':' + m_oldPath);
    }
    ~RecordingXdgOpen() { qputenv("PATH", m_oldPath); }

    QString record() const { return m_bin.filePath(QStringLiteral("opened")); }
    QString opened() const { return QString::fromUtf8(fileBytes(record())); }

private:
    QTemporaryDir m_bin;
    QByteArray m_oldPath;
};

} // namespace

TEST(NavigationPolicy, AllowsTheWebAndOnlyTheProgramsOwnFiles) {
    QTemporaryDir program;
    QTemporaryDir elsewhere;
    putFile(program.filePath(QStringLiteral("Data/start.html")), "<p>start</p>");
    putFile(elsewhere.filePath(QStringLiteral("secret.txt")), "secret");
    QFile::link(elsewhere.path(), program.filePath(QStringLiteral("Data/link")));
    const NavigationPolicy policy(program.path());

    for (const char *allowed : {"http://example.org/", "HTTPS://example.org/", "ftp://x/",
                                "data:text/html,hi", "blob:http://x/1", "about:blank"})
        EXPECT_TRUE(policy.allows(QUrl(QLatin1String(allowed)))) << allowed;
    EXPECT_TRUE(policy.allows(QUrl::fromLocalFile(program.filePath("Data/start.html"))));

    for (const char *refused : {"mailto:a@example.org", "quorttest://x", "javascript:alert(1)",
                                "file:///etc/passwd", "view-source:http://x/", "smb://host/share"})
        EXPECT_FALSE(policy.allows(QUrl(QLatin1String(refused)))) << refused;
    // Neither a way up out of the folder nor a link that leads out of it.
    EXPECT_FALSE(policy.allows(QUrl::fromLocalFile(program.path() + "/Data/../../etc/passwd")));
    EXPECT_FALSE(policy.allows(QUrl::fromLocalFile(program.filePath("Data/link/secret.txt"))));
    EXPECT_FALSE(policy.allows(QUrl(QStringLiteral("file://otherhost/share/x"))));
    // Without a program folder no file is allowed.
    EXPECT_FALSE(
        NavigationPolicy().allows(QUrl::fromLocalFile(program.filePath("Data/start.html"))));
}

TEST(PagesCannotReachTheDesktop, LinksWithOtherSchemesOpenNothing) {
    RecordingXdgOpen xdgOpen;
    QTemporaryDir program;
    const QString own = program.filePath(QStringLiteral("Data/own.html"));
    putFile(own, "<html><head><title>own</title></head><body>own</body></html>");

    TestHttpServer server;
    ASSERT_TRUE(server.isListening());
    const QStringList links = {
        QStringLiteral("quorttest://x"),
        QStringLiteral("mailto:someone@example.org"),
        QStringLiteral("file:///etc/passwd"),
    };
    QString body;
    for (int i = 0; i < links.size(); ++i)
        body += QStringLiteral("<p><a id='l%1' href='%2'>link %1</a></p>").arg(i).arg(links[i]);
    body += QStringLiteral("<p><a id='js' href='javascript:document.title=\"ran\"' "
                           "target='_blank'>js</a></p>"
                           "<p><a id='pop' href='quorttest://popup' target='_blank'>pop</a></p>"
                           "<p><a id='done' href='/done'>done</a></p>");
    server.setHtml(QStringLiteral("/links"), QStringLiteral("<html><head><title>links</title>"
                                                            "</head><body>%1</body></html>")
                                                 .arg(body));
    server.setHtml(QStringLiteral("/done"), QStringLiteral("<title>done</title>done"));

    EngineWebView view(nullptr, NavigationPolicy(program.path()));
    view.resize(800, 600);
    view.show();
    QSignalSpy complete(&view, &WebView::documentComplete);
    QSignalSpy refused(&view, &WebView::navigationRefused);
    view.navigate(server.url(QStringLiteral("/links")).toString());
    ASSERT_TRUE(complete.wait(LoadTimeLimitMs));

    // Real clicks: the engine lets a user's click, unlike a script, try an unknown scheme.
    auto click = [&](const QString &id) {
        auto result = std::make_shared<QVariantList>();
        bool answered = false;
        view.engineView()->page()->runJavaScript(
            QStringLiteral("(function(){var r=document.getElementById('%1')"
                           ".getBoundingClientRect();return [r.left+4, r.top+r.height/2];})()")
                .arg(id),
            [&answered, result](const QVariant &xy) {
                *result = xy.toList();
                answered = true;
            });
        ASSERT_TRUE(waitUntil([&] { return answered; }));
        const QPoint at(result->value(0).toInt(), result->value(1).toInt());
        // As a user does: the pointer rests on the link, then the click.
        QSignalSpy hovered(&view, &WebView::statusTextChange);
        QTest::mouseMove(view.engineView()->focusProxy(), at);
        hovered.wait(2000);
        QTest::mouseClick(view.engineView()->focusProxy(), Qt::LeftButton, {}, at);
    };
    for (const char *id : {"l0", "l1", "l2", "js", "pop"})
        click(id);
    // A last ordinary link: once its page is complete, the clicks before it were handled.
    complete.clear();
    click(QStringLiteral("done"));
    ASSERT_TRUE(complete.wait(LoadTimeLimitMs));
    EXPECT_EQ(view.locationName(), "done");

    QStringList refusedAddresses;
    for (const QList<QVariant> &arguments : refused)
        refusedAddresses.append(arguments.value(0).toString());
    // Each refused link is reported, so the status line can say why nothing opened.
    for (const QString &link : links + QStringList{"quorttest://popup"})
        EXPECT_TRUE(refusedAddresses.contains(link)) << refusedAddresses.join(' ').toStdString();
    EXPECT_FALSE(
        refusedAddresses.contains("http://127.0.0.1:" + QString::number(server.port()) + "/done"));

    // The program's own file still opens.
    complete.clear();
    view.navigate(QUrl::fromLocalFile(own).toString());
    ASSERT_TRUE(complete.wait(LoadTimeLimitMs));
    EXPECT_EQ(view.locationName(), "own");

    // Nothing reached the desktop, and the stand-in would have seen it if it had.
    EXPECT_EQ(xdgOpen.opened(), "");
    QDesktopServices::openUrl(QUrl(QStringLiteral("quorttest://probe")));
    EXPECT_TRUE(waitUntil([&] { return xdgOpen.opened().contains("quorttest://probe"); }, 5000));
}
