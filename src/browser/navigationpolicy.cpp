#include "browser/navigationpolicy.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

const char *const WebSchemes[] = {"http", "https", "ftp", "data", "blob", "about"};

} // namespace

NavigationPolicy::NavigationPolicy(const QString &programFolder) {
    if (!programFolder.isEmpty())
        m_root = QDir(programFolder).canonicalPath();
}

bool NavigationPolicy::allows(const QUrl &url) const {
    const QString scheme = url.scheme().toLower();
    for (const char *allowed : WebSchemes) {
        if (scheme == QLatin1String(allowed))
            return true;
    }
    if (scheme != QLatin1String("file") || m_root.isEmpty() || !url.host().isEmpty())
        return false;
    // Links followed through a symbolic link count where they lead.
    const QFileInfo file(url.toLocalFile());
    const QString path =
        file.exists() ? file.canonicalFilePath() : QDir::cleanPath(file.absoluteFilePath());
    return path.startsWith(m_root + QLatin1Char('/'));
}
