#include "programfolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The name of an entry of folder that equals name ignoring case; empty when none does.
QString matchIgnoringCase(const QString &folder, const QString &name) {
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

// The path of relative below root, each existing part in the spelling found on disk.
QString below(const QString &root, const QString &relative) {
    QString normalised = relative;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = normalised.split(QLatin1Char('/'), Qt::SkipEmptyParts);

    QString current = root;
    bool matching = true;
    for (const QString &part : parts) {
        QString name = part;
        if (matching) {
            const QString found = matchIgnoringCase(current, part);
            if (found.isEmpty())
                matching = false;
            else
                name = found;
        }
        current += QLatin1Char('/') + name;
    }
    return current;
}

} // namespace

ProgramFolder::ProgramFolder(QString root)
    : m_root(QDir::cleanPath(std::move(root))) {}

ProgramFolder::ProgramFolder(QString root, QString shippedRoot)
    : m_root(QDir::cleanPath(std::move(root)))
    , m_shippedRoot(QDir::cleanPath(std::move(shippedRoot))) {}

QString ProgramFolder::path(const QString &relative) const {
    const QString own = below(m_root, relative);
    if (m_shippedRoot.isEmpty() || QFileInfo::exists(own))
        return own;
    const QString shipped = below(m_shippedRoot, relative);
    return QFileInfo::exists(shipped) ? shipped : own;
}
