#include "mainimages.h"

#include "deferredicon.h"
#include "imagelist.h"
#include "text/programfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QSet>
#include <QString>

namespace {

#define QT_IMAGE(position, key, themePicture) {position, key, themePicture},
const MainImages::Picture Pictures[] = {
#include "mainimages.inc"
};
#undef QT_IMAGE

// The sizes the build copies (mainimages.cmake, QUORT_IMAGE_SIZES).
const int PictureSizes[] = {16, 22, 32};

QString sizeFolder(int size) {
    return QStringLiteral("images/%1x%1").arg(size);
}

} // namespace

namespace MainImages {

TableView<Picture> table() {
    return TableView<Picture>(Pictures);
}

int sharpIconSize(int designSize, double devicePixelRatio) {
    if (devicePixelRatio <= 1.0)
        return designSize;
    int best = 0;
    for (const int size : PictureSizes) {
        if (size <= designSize * devicePixelRatio)
            best = size;
    }
    return best > 0 ? qRound(best / devicePixelRatio) : designSize;
}

QString pictureFile(const Picture &picture, int size) {
    const QString name = QFileInfo(QString::fromLatin1(picture.themePicture)).fileName();
    return sizeFolder(size) + QLatin1Char('/') + name + QStringLiteral(".png");
}

void load(ImageList &images, const ProgramFolder &folder) {
    images.clear();
    // One listing per size folder instead of a look at every file.
    QSet<QString> present;
    for (const int size : PictureSizes) {
        const QString subfolder = sizeFolder(size);
        for (const QString &name : QDir(folder.path(subfolder)).entryList(QDir::Files))
            present.insert((subfolder + QLatin1Char('/') + name).toLower());
    }
    for (const Picture &picture : table()) {
        QList<QPair<QString, int>> files;
        for (const int size : PictureSizes) {
            const QString file = pictureFile(picture, size);
            if (present.contains(file.toLower())) // the folder matches names so too
                files.append({folder.path(file), size});
        }
        const auto read = [files] {
            QIcon loaded;
            for (const auto &[path, size] : files)
                loaded.addFile(path, QSize(size, size));
            return loaded;
        };
        // The listing has seen the files: no need to read them to know there is a picture.
        const QIcon icon = files.isEmpty() ? QIcon() : DeferredIcon::fromLoader(read, true);
        images.set(picture.position, icon, QString::fromLatin1(picture.key));
    }

    const QDir icons(folder.path(QStringLiteral("icons")));
    const QFileInfoList files =
        icons.entryInfoList({QStringLiteral("*.ico")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : files) {
        const int position = images.addIconFile(file.filePath());
        images.set(position, images.picture(position), file.completeBaseName().toLower());
    }
}

} // namespace MainImages
