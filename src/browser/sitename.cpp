#include "sitename.h"

#include "text/textcase.h"

#include <QUrl>

namespace SiteName {

QString of(const QString &address) {
    // A page of the program folder (the shipped start page) is named after its file.
    if (address.startsWith(QLatin1String("file://"), Qt::CaseInsensitive)) {
        const QString path = QUrl(address).path();
        return TextCase::proper(path.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0));
    }
    QString name = address;
    // The schemes go only as written in lower case; a capitalised one stays, as it
    // always did.
    name.remove(QStringLiteral("http://"));
    name.remove(QStringLiteral("https://"));
    const qsizetype slash = name.indexOf(QLatin1Char('/'));
    if (slash >= 0)
        name.truncate(slash);
    if (name.toLower().contains(QLatin1String("www."))) {
        name.remove(QStringLiteral("www."));
        const qsizetype dot = name.indexOf(QLatin1Char('.'));
        if (dot >= 0)
            name.truncate(dot);
    }
    return TextCase::proper(name);
}

} // namespace SiteName
