// The image list and the pictures of ImageList1.
#include "commandbartesthelpers.h"

#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every position the command table names for the main window, plus the move
// buttons, the timebar indicator and the fallback language icon.
const int NamedPositions[] = {0,  1,  2,   3,   4,   5,   6,   7,   8,   9,   13,  15, 16, 19, 22,
                              26, 27, 28,  29,  30,  32,  37,  46,  47,  48,  58,  59, 60, 61, 62,
                              63, 64, 66,  67,  68,  69,  71,  72,  73,  75,  76,  77, 78, 79, 80,
                              81, 83, 105, 106, 119, 121, 122, 123, 124, 125, 132, 133};

bool drawable(const QIcon &icon) {
    if (icon.isNull())
        return false;
    const QImage image = icon.pixmap(22, 22).toImage();
    if (image.isNull())
        return false;
    // Something is drawn: not every pixel transparent.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

TEST(ImageList, PositionsKeysAndPictures) {
    ImageList images;
    EXPECT_EQ(images.count(), 0);
    EXPECT_TRUE(images.picture(0).isNull());
    EXPECT_EQ(images.key(0), "");

    QPixmap red(16, 16);
    red.fill(Qt::red);
    EXPECT_EQ(images.add(QIcon(red), "red"), 0);
    images.set(3, QIcon(red), "three");
    EXPECT_EQ(images.count(), 4);
    EXPECT_EQ(images.key(0), "red");
    EXPECT_EQ(images.key(3), "three");
    EXPECT_TRUE(images.picture(1).isNull());
    EXPECT_EQ(images.key(2), "");
    EXPECT_FALSE(images.picture(3).isNull());
    EXPECT_TRUE(images.picture(-1).isNull());
    EXPECT_TRUE(images.picture(4).isNull());
}

TEST(ImageList, AddIconFileAppendsEvenWhenTheFileIsMissing) {
    ImageList images;
    images.add(QIcon(), "first");
    const QString shipped = shippedFolder().path("icons/de.ico");
    EXPECT_EQ(images.addIconFile(shipped), 1);
    EXPECT_TRUE(drawable(images.picture(1)));
    EXPECT_EQ(images.key(1), "de.ico");

    QTemporaryDir folder;
    EXPECT_EQ(images.addIconFile(folder.filePath("xx.ico")), 2);
    EXPECT_TRUE(images.picture(2).isNull());
    putFile(folder.filePath("broken.ico"), "not an icon");
    EXPECT_EQ(images.addIconFile(folder.filePath("broken.ico")), 3);
    EXPECT_TRUE(images.picture(3).isNull());
    EXPECT_EQ(images.addIconFile(QString()), 4);
    EXPECT_EQ(images.count(), 5);
}

TEST(ImageList, AChangedCopyOfAPictureLeavesTheListsPictureAlone) {
    ImageList images;
    images.addIconFile(shippedFolder().path("icons/de.ico"));
    // Copied before anything was drawn, then given a size of its own.
    QIcon copy = images.picture(0);
    QPixmap big(64, 64);
    big.fill(Qt::blue);
    copy.addPixmap(big);

    const QList<QSize> listed = images.picture(0).availableSizes();
    ASSERT_FALSE(listed.isEmpty());
    EXPECT_FALSE(listed.contains(QSize(64, 64)));
    EXPECT_TRUE(copy.availableSizes().contains(QSize(64, 64)));
    for (const QSize &size : listed)
        EXPECT_TRUE(copy.availableSizes().contains(size)) << size.width();
    EXPECT_TRUE(drawable(images.picture(0)));
}

TEST(MainImages, EveryNamedPositionShowsAPicture) {
    const ImageList images = shippedImages();
    for (const int position : NamedPositions) {
        EXPECT_TRUE(drawable(images.picture(position))) << "position " << position;
        EXPECT_FALSE(images.key(position).isEmpty()) << "position " << position;
    }
    EXPECT_EQ(images.picture(MainImages::MovePicture).cacheKey(), images.picture(121).cacheKey());
}

TEST(MainImages, ThePicturesWereCopiedIntoTheProgramFolder) {
    ASSERT_GT(MainImages::table().size(), 50u);
    for (const MainImages::Picture &picture : MainImages::table()) {
        for (const int size : {16, 22, 32}) {
            const QString file =
                QStringLiteral(QUORT_PROGRAM_DIR) + '/' + MainImages::pictureFile(picture, size);
            EXPECT_FALSE(QImage(file).isNull()) << file.toStdString();
        }
    }
}

TEST(MainImages, LanguagePicturesFollowKeyedByTheirCode) {
    const ImageList images = shippedImages();
    int english = -1;
    int german = -1;
    for (int i = MainCommands::LanguagePicturesFrom; i < images.count(); ++i) {
        if (images.key(i) == "en")
            english = i;
        if (images.key(i) == "de")
            german = i;
    }
    ASSERT_GE(english, MainCommands::LanguagePicturesFrom);
    ASSERT_GE(german, MainCommands::LanguagePicturesFrom);
    EXPECT_TRUE(drawable(images.picture(english)));
    EXPECT_TRUE(drawable(images.picture(german)));
    // The fixed pictures from 104 on cannot be taken for a language: no lower-case keys.
    for (const MainImages::Picture &picture : MainImages::table())
        EXPECT_EQ(QString(picture.key), QString(picture.key).toUpper()) << picture.key;
    EXPECT_EQ(images.key(MainCommands::FallbackLanguageIcon), "GLOBE");
}

TEST(MainImages, MissingPicturesLeaveEmptyPositions) {
    QTemporaryDir empty;
    ImageList images;
    MainImages::load(images, ProgramFolder(empty.path()));
    EXPECT_EQ(images.count(), 134);
    EXPECT_TRUE(images.picture(0).isNull());
    EXPECT_EQ(images.key(0), "EXIT");
}

} // namespace
