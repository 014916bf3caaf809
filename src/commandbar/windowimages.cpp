#include "windowimages.h"

#include "commandbar/imagelist.h"
#include "commandbar/mainimages.h"
#include "text/programfolder.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace WindowImages {
namespace {

const int Sizes[] = {16, 22, 32};

QPixmap drawTick(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    QPainterPath path;
    path.moveTo(2.5, 8.5);
    path.lineTo(6.0, 12.0);
    path.lineTo(13.5, 3.5);
    // A dark rim under a lighter stroke, as the theme draws its pictures.
    painter.setPen(QPen(QColor(0x4e, 0x9a, 0x06), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(QColor(0x73, 0xd2, 0x16), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    return pixmap;
}

} // namespace

QIcon tick() {
    QIcon icon;
    for (const int size : Sizes)
        icon.addPixmap(drawTick(size));
    return icon;
}

QIcon mainPicture(const ProgramFolder &folder, const char *key) {
    QIcon icon;
    for (const MainImages::Picture &picture : MainImages::table()) {
        if (qstrcmp(picture.key, key) != 0)
            continue;
        for (const int size : Sizes) {
            const QString path = folder.path(MainImages::pictureFile(picture, size));
            if (QFileInfo(path).isFile())
                icon.addFile(path, QSize(size, size));
        }
        break;
    }
    return icon;
}

ImageList forWindow(WindowBars::Window window, const ProgramFolder &folder) {
    ImageList images;
    switch (window) {
    case WindowBars::Window::About:
        images.add(tick(), QStringLiteral("OK"));
        images.add(mainPicture(folder, "HELP"), QStringLiteral("HELP"));
        break;
    case WindowBars::Window::InputDialog:
        images.add(tick(), QStringLiteral("YES"));
        images.add(mainPicture(folder, "STOP"), QStringLiteral("NO"));
        break;
    case WindowBars::Window::LinkTable:
    case WindowBars::Window::LinkTableClose:
        // The positions the link table's buttons name; 4 and 5 are gaps.
        images.set(0, mainPicture(folder, "EXIT"), QStringLiteral("EXIT"));
        images.set(1, mainPicture(folder, "SETBOOKMARK"), QStringLiteral("ADD"));
        images.set(2, mainPicture(folder, "PROPERTIES"), QStringLiteral("EDIT"));
        images.set(3, mainPicture(folder, "GOTOBOOKMARK"), QStringLiteral("GO"));
        images.set(6, mainPicture(folder, "SELECTALL"), QStringLiteral("SORT"));
        images.set(7, mainPicture(folder, "SAVE"), QStringLiteral("SAVE"));
        images.set(8, mainPicture(folder, "HELP"), QStringLiteral("HELP"));
        images.set(9, mainPicture(folder, "LANGUAGEFILE"), QStringLiteral("TITLE"));
        images.set(10, mainPicture(folder, "SEARCH"), QStringLiteral("SEARCH"));
        break;
    case WindowBars::Window::LinkEditor:
        images.set(1, mainPicture(folder, "DELETE"), QStringLiteral("CANCEL"));
        images.set(2, mainPicture(folder, "SAVE"), QStringLiteral("SAVE"));
        break;
    case WindowBars::Window::LanguageEditor:
        images.add(mainPicture(folder, "EXIT"), QStringLiteral("EXIT"));
        images.add(mainPicture(folder, "SAVE"), QStringLiteral("SAVE"));
        break;
    }
    return images;
}

} // namespace WindowImages
