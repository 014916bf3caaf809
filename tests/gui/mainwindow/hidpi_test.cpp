// Run with QT_SCALE_FACTOR=2: every logical pixel is two device pixels.
#include "commandbar/commandbutton.h"
#include "commandbar/commandregistry.h"
#include "commandbar/maincommandbars.h"
#include "commandbar/mainimages.h"
#include "fakewebview.h"
#include "filehelpers.h"
#include "mainwindow/mainwindow.h"
#include "programfolderfixture.h"
#include "recordingnotifier.h"
#include "text/textfile.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>
#include <optional>

namespace {

class HiDpiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    }
    std::unique_ptr<MainWindow> start() {
        auto window = std::make_unique<MainWindow>(ProgramFiles(ProgramFolder(folder.path())),
                                                   notifier, [](int) { return new FakeWebView; });
        EXPECT_TRUE(window->load());
        return window;
    }
    static QRect inDevicePixels(const QRect &r) {
        return {r.x() * 2, r.y() * 2, r.width() * 2, r.height() * 2};
    }

    TemporaryProgramFolder folder;
    RecordingNotifier notifier;
};

// Where the picture's opaque pixels appear unchanged in the drawn image; none when it
// was scaled on the way.
std::optional<QPoint> drawnAsItIs(const QImage &drawn, const QImage &picture) {
    const QImage shot = drawn.convertToFormat(QImage::Format_ARGB32);
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y + source.height() <= shot.height(); ++y) {
        for (int x = 0; x + source.width() <= shot.width(); ++x) {
            bool same = true;
            for (int sy = 0; same && sy < source.height(); ++sy) {
                for (int sx = 0; same && sx < source.width(); ++sx) {
                    const QRgb pixel = source.pixel(sx, sy);
                    if (qAlpha(pixel) == 255)
                        same = shot.pixel(x + sx, y + sy) == pixel;
                }
            }
            if (same)
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

} // namespace

TEST_F(HiDpiTest, APlacementStoredAtScaleOneComesBackAtTheSamePhysicalRectangle) {
    // 15 twips a device pixel at 96 dpi: Left 200, Top 100, 600 × 400 device pixels.
    putFile(folder.filePath("Data/Quortspeak.Ini"),
            "1500\r\n3000\r\n6000\r\n9000\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\nen\r\n");
    auto w = start();
    EXPECT_EQ(inDevicePixels(w->geometry()), QRect(200, 100, 600, 400));
    // What is laid out inside the window grows with its buttons.
    EXPECT_EQ(w->twips().perPixel(), 15.0);

    // Saved at scale 2, the placement reads the same at scale 1.
    w->move(150, 60);
    w->exitAndSave();
    EXPECT_EQ(TextFile::readLines(folder.filePath("Data/Quortspeak.Ini"))
                  .value_or(QStringList())
                  .mid(0, 4),
              (QStringList{"1800", "4500", "6000", "9000"}));
}

TEST_F(HiDpiTest, BarButtonsDrawTheirThirtyTwoPixelPictureUnscaled) {
    auto w = start();
    w->show();
    QToolBar *bar = w->bars().toolbar(0);
    QAction *back = nullptr;
    for (QAction *action : bar->actions()) {
        if (action->objectName() == QLatin1String("BACK"))
            back = action;
    }
    ASSERT_NE(back, nullptr);
    auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(back));
    ASSERT_NE(button, nullptr);

    const int position = w->registry().button("BACK")->icon();
    QString file;
    for (const MainImages::Picture &picture : MainImages::table()) {
        if (picture.position == position)
            file = folder.filePath(MainImages::pictureFile(picture, 32));
    }
    const QImage picture(file);
    ASSERT_EQ(picture.size(), QSize(32, 32)) << file.toStdString();

    const QPixmap pixmap = button->icon().pixmap(button->iconSize(), button->devicePixelRatio());
    EXPECT_EQ(pixmap.size(), QSize(32, 32));
    EXPECT_EQ(pixmap.devicePixelRatio(), 2.0);
    // Compared as stored for drawing: a round trip through unpremultiplied colours
    // changes nearly transparent pixels.
    QImage source = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    source.setDevicePixelRatio(2.0);
    EXPECT_EQ(pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), source);

    // On screen too: the button shows the picture's own pixels.
    const QPixmap shot = button->grab();
    ASSERT_EQ(shot.devicePixelRatio(), 2.0);
    EXPECT_TRUE(drawnAsItIs(shot.toImage(), picture).has_value());
}
