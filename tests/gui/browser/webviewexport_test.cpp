#include "browser/enginewebview.h"
#include "filehelpers.h"
#include "support/httpserver.h"
#include "waituntil.h"

#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

// What the exports take from the web view on the real engine: the archive, the PDF, the
// picture and the office's markup of a page served from 127.0.0.1.
namespace {

constexpr int LoadTimeLimitMs = 20000;
const QColor BlockColour(20, 140, 220);

QByteArray png(const QSize &size, const QColor &colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

TestHttpServer::Response pngResponse(const QSize &size, const QColor &colour) {
    TestHttpServer::Response response;
    response.contentType = "image/png";
    response.body = png(size, colour);
    return response;
}

// A web archive's parts are quoted-printable: soft line breaks and =XX bytes.
QString decodedArchive(const QByteArray &archive) {
    QByteArray text = archive;
    text.replace("=\r\n", "");
    QByteArray out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size()) {
            bool ok = false;
            const int byte = text.mid(i + 1, 2).toInt(&ok, 16);
            if (ok) {
                out.append(char(byte));
                i += 2;
                continue;
            }
        }
        out.append(text[i]);
    }
    return QString::fromUtf8(out);
}

class WebViewExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.isListening());
        ASSERT_TRUE(folder.isValid());
        server.setRoute(QStringLiteral("/harbour.png"),
                        pngResponse(QSize(40, 30), QColor(200, 30, 30)));
        server.setHtml(QStringLiteral("/notes"),
                       QStringLiteral("<html><head><title>Harbour notes</title></head>"
                                      "<body style='margin:0'><h1>Harbour notes</h1>"
                                      "<p>Fish &amp; chips at the Brücke</p>"
                                      "<img src='harbour.png'>"
                                      "<a href='next'>next</a>"
                                      "<div id='block' style='width:200px;height:100px;"
                                      "background:%1'></div></body></html>")
                           .arg(BlockColour.name()));
        view.resize(640, 480);
        view.show();
    }

    bool load(const QString &path) {
        QSignalSpy complete(&view, &WebView::documentComplete);
        view.navigate(server.url(path).toString());
        return complete.wait(LoadTimeLimitMs);
    }

    // Runs request with a callback and waits for its one answer.
    template <typename Result, typename Request> Result answer(Request request) {
        auto got = std::make_shared<std::pair<int, Result>>();
        request([got](const Result &value) {
            ++got->first;
            got->second = value;
        });
        EXPECT_TRUE(waitUntil([got] { return got->first > 0; }, 70000));
        return got->second;
    }

    std::pair<bool, QString> save(const QString &path) {
        using Outcome = std::pair<bool, QString>;
        return answer<Outcome>([&](auto done) {
            view.saveArchive(path, [done](bool ok, const QString &error) { done({ok, error}); });
        });
    }

    // The centre of the element with this id, in the view's coordinates.
    QPoint centreOf(const QString &id) {
        const QString script = QStringLiteral("(function(){var r=document.getElementById('%1')"
                                              ".getBoundingClientRect();"
                                              "return [r.left+r.width/2, r.top+r.height/2];})()")
                                   .arg(id);
        const QVariantList xy = answer<QVariant>([&](auto done) {
                                    view.engineView()->page()->runJavaScript(script, done);
                                }).toList();
        return QPoint(xy.value(0).toInt(), xy.value(1).toInt());
    }

    TestHttpServer server;
    QTemporaryDir folder;
    EngineWebView view;
};

TEST_F(WebViewExportTest, TheArchiveHoldsThePageWithItsImage) {
    ASSERT_TRUE(load(QStringLiteral("/notes")));
    const QString path = folder.filePath(QStringLiteral("notes.mhtml"));
    const auto [ok, error] = save(path);
    ASSERT_TRUE(ok) << error.toStdString();
    // Saving again replaces the file rather than making a second one beside it.
    const auto [again, againError] = save(path);
    EXPECT_TRUE(again) << againError.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"notes.mhtml"});

    const QByteArray archive = fileBytes(path);
    EXPECT_TRUE(archive.contains("MIME-Version: 1.0")) << archive.left(200).toStdString();
    EXPECT_TRUE(archive.contains("Content-Type: image/png"));
    EXPECT_TRUE(archive.contains(server.url(QStringLiteral("/harbour.png")).toEncoded()));
    const QString text = decodedArchive(archive);
    EXPECT_TRUE(text.contains(QStringLiteral("<h1>Harbour notes</h1>")));
    EXPECT_TRUE(text.contains(QStringLiteral("Fish &amp; chips at the Brücke")));
}

TEST_F(WebViewExportTest, ThePictureShowsWhatTheViewShows) {
    // Before any page the view is an empty white area.
    const QImage empty = view.picture();
    EXPECT_EQ(empty.size(), view.size());
    EXPECT_EQ(empty.pixelColor(320, 240), QColor(Qt::white));

    ASSERT_TRUE(load(QStringLiteral("/notes")));
    const QPoint block = centreOf(QStringLiteral("block"));
    // The engine draws a moment after the load has finished.
    QImage picture;
    EXPECT_TRUE(waitUntil([&] {
        picture = view.picture();
        return picture.pixelColor(block) == BlockColour;
    })) << picture.pixelColor(block).name().toStdString();
    EXPECT_EQ(picture.size(), view.size());
    EXPECT_EQ(picture.pixelColor(block.x() + 150, block.y()), QColor(Qt::white));
}

TEST_F(WebViewExportTest, TheOfficeMarkupHasItsImagesInline) {
    // A picture from another site is not the page's to hand over; it keeps its address.
    TestHttpServer otherSite;
    ASSERT_TRUE(otherSite.isListening());
    otherSite.setRoute(QStringLiteral("/far.png"), pngResponse(QSize(8, 8), Qt::green));
    const QString farAddress = otherSite.url(QStringLiteral("/far.png")).toString();
    server.setHtml(QStringLiteral("/mixed"),
                   QStringLiteral("<html><head><meta charset='windows-1252'></head><body>"
                                  "<p>Fish &amp; chips at the Brücke</p>"
                                  "<img src='harbour.png'><img src='%1'>"
                                  "<a href='next'>next</a></body></html>")
                       .arg(farAddress));
    ASSERT_TRUE(load(QStringLiteral("/mixed")));

    const QString html =
        answer<QString>([&](auto done) { view.requestHtmlWithInlineImages(done); });
    EXPECT_TRUE(html.contains(QStringLiteral("Fish &amp; chips at the Brücke")));
    EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    EXPECT_FALSE(html.contains(QStringLiteral("windows-1252")));
    EXPECT_TRUE(html.contains(
        QStringLiteral("href=\"%1\"").arg(server.url(QStringLiteral("/next")).toString())));
    EXPECT_TRUE(html.contains(QStringLiteral("src=\"%1\"").arg(farAddress))) << html.toStdString();

    const QRegularExpression inline_(QStringLiteral("src=\"data:image/png;base64,([^\"]+)\""));
    const QRegularExpressionMatch match = inline_.match(html);
    ASSERT_TRUE(match.hasMatch()) << html.toStdString();
    const QImage image =
        QImage::fromData(QByteArray::fromBase64(match.captured(1).toLatin1()), "PNG");
    EXPECT_EQ(image.size(), QSize(40, 30));
    EXPECT_EQ(image.pixelColor(20, 15), QColor(200, 30, 30));
}

TEST_F(WebViewExportTest, APageOfBlanksAndHiddenTextHasNoContent) {
    server.setHtml(QStringLiteral("/blank"),
                   QStringLiteral("<html><body> <p>\n</p><p style='display:none'>hidden</p>"
                                  "</body></html>"));
    ASSERT_TRUE(load(QStringLiteral("/blank")));
    EXPECT_FALSE(answer<bool>([&](auto done) { view.requestHasContent(done); }));
}

TEST_F(WebViewExportTest, ThePdfHoldsThePage) {
    ASSERT_TRUE(load(QStringLiteral("/notes")));
    const QString path = folder.filePath(QStringLiteral("notes.pdf"));
    ASSERT_TRUE(answer<bool>([&](auto done) { view.printToPdf(path, done); }));
    EXPECT_TRUE(fileBytes(path).startsWith("%PDF"));

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(LoadTimeLimitMs));
    EXPECT_TRUE(QString::fromUtf8(text.readAllStandardOutput())
                    .contains(QStringLiteral("Fish & chips at the Brücke")));
}

} // namespace
