#include "export/exportnames.h"

#include <QDir>
#include <QFileInfo>
#include <QStringView>
#include <algorithm>

namespace ExportNames {

QString defaultName(const QString &title, const QString &extension, const QString &untitledStem) {
    constexpr qsizetype TitleCharacters = 22;
    // Counted in characters, not UTF-16 units, so a character outside the basic plane is
    // never cut in half.
    const QList<uint> characters = QStringView(title).toUcs4();
    QString stem;
    for (qsizetype i = 0; i < std::min(characters.size(), TitleCharacters); ++i) {
        const char32_t c = characters[i];
        if (QChar::isLetterOrNumber(c))
            stem.append(QString::fromUcs4(&c, 1));
    }
    return (stem.isEmpty() ? untitledStem : stem) + extension;
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
