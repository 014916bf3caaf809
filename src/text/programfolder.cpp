#include "programfolder.h"

#include <QCoreApplication>
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

} // namespace

ProgramFolder::ProgramFolder(QString root)
    : m_root(QDir::cleanPath(std::move(root))) {}

ProgramFolder ProgramFolder::ofExecutable() {
    return ProgramFolder(QCoreApplication::applicationDirPath());
}

QString ProgramFolder::path(const QString &relative) const {
    QString normalised = relative;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = normalised.split(QLatin1Char('/'), Qt::SkipEmptyParts);

    QString current = m_root;
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
