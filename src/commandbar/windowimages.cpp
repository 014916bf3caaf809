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
    // The link table's two bars draw from one list.
    const auto shares = [window](WindowBars::Window other) {
        const auto list = [](WindowBars::Window w) {
            return w == WindowBars::Window::LinkTableClose ? WindowBars::Window::LinkTable : w;
        };
        return list(other) == list(window);
    };
    ImageList images;
    for (const WindowBars::Button &row : WindowBars::buttons()) {
        if (!shares(row.window) || row.picture < 0)
            continue;
        if (row.mainPicture)
            images.set(row.picture, mainPicture(folder, row.mainPicture),
                       QLatin1String(row.mainPicture));
        else
            images.set(row.picture, tick(), QStringLiteral("TICK"));
    }
    return images;
}

} // namespace WindowImages
