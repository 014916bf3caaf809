#include "desktop/desktop.h"

#include <QUrl>

bool Desktop::isWebAddress(const QUrl &url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
            scheme == QLatin1String("ftp"));
}

bool Desktop::isMailAddress(const QUrl &url) {
    return url.isValid() && url.scheme().toLower() == QLatin1String("mailto") &&
           url.path().contains(QLatin1Char('@'));
}
