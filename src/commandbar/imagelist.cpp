#include "imagelist.h"

#include "deferredicon.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

QIcon ImageList::picture(int index) const {
    if (index < 0 || index >= count())
        return {};
    return m_entries.at(index).picture;
}

QString ImageList::key(int index) const {
    if (index < 0 || index >= count())
        return {};
    return m_entries.at(index).key;
}

int ImageList::add(const QIcon &picture, const QString &key) {
    m_entries.append({picture, key});
    return count() - 1;
}

void ImageList::set(int index, const QIcon &picture, const QString &key) {
    if (index < 0)
        return;
    if (index >= count())
        m_entries.resize(index + 1);
    m_entries[index] = {picture, key};
}

int ImageList::addIconFile(const QString &path) {
    QIcon icon;
    if (QFileInfo(path).isFile()) {
        // Read when first shown: the translation languages' pictures sit in menus.
        icon = DeferredIcon::fromLoader([path] {
            QIcon loaded;
            QImageReader reader(path);
            const int images = std::max(1, reader.imageCount());
            for (int i = 0; i < images; ++i) {
                if (i > 0 && !reader.jumpToNextImage())
                    break;
                const QImage image = reader.read();
                if (!image.isNull())
                    loaded.addPixmap(QPixmap::fromImage(image));
            }
            return loaded;
        });
    }
    return add(icon, QFileInfo(path).fileName());
}
