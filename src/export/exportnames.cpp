#include "export/exportnames.h"

#include <QDir>
#include <QFileInfo>

namespace ExportNames {

QString defaultName(const QString &title, const QString &extension, const QString &untitledStem) {
    if (title.isEmpty() && !untitledStem.isEmpty())
        return untitledStem + extension;
    QString stem;
    for (const QChar c : title.left(22)) {
        const char16_t u = c.unicode();
        if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z'))
            stem.append(c);
    }
    return stem + extension;
}

QString nextPicturePath(const QString &imagesFolder, int from, int *number) {
    const QDir folder(imagesFolder);
    // A folder of a million pictures is not one a person keeps; nothing is taken then.
    constexpr int Last = 999999;
    for (int n = qMax(0, from); n <= Last; ++n) {
        const QString path =
            folder.filePath(QStringLiteral("Quort%1.bmp").arg(n, 3, 10, QLatin1Char('0')));
        if (!QFileInfo::exists(path)) {
            if (number)
                *number = n;
            return path;
        }
    }
    return {};
}

} // namespace ExportNames
