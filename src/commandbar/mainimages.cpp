#include "mainimages.h"

#include "imagelist.h"
#include "text/programfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QString>

namespace {

#define QT_IMAGE(position, key, themePicture) {position, key, themePicture},
const MainImages::Picture Pictures[] = {
#include "mainimages.inc"
};
#undef QT_IMAGE

// The sizes the build copies (mainimages.cmake, QUORT_IMAGE_SIZES).
const int PictureSizes[] = {16, 22, 32};

} // namespace

namespace MainImages {

TableView<Picture> table() {
    return TableView<Picture>(Pictures);
}

QString pictureFile(const Picture &picture, int size) {
    const QString name = QFileInfo(QString::fromLatin1(picture.themePicture)).fileName();
    return QStringLiteral("images/%1x%1/%2.png").arg(size).arg(name);
}

void load(ImageList &images, const ProgramFolder &folder) {
    images.clear();
    for (const Picture &picture : table()) {
        QIcon icon;
        for (const int size : PictureSizes) {
            const QString path = folder.path(pictureFile(picture, size));
            if (QFileInfo(path).isFile())
                icon.addFile(path, QSize(size, size));
        }
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
