#include "programfiles.h"

#include "core/languagefile.h"

#include <QUrl>

ProgramFiles::ProgramFiles(ProgramFolder folder)
    : m_folder(std::move(folder)) {}

QString ProgramFiles::optionsFile() const {
    return m_folder.path(QStringLiteral("Data/quortspeak.Opt"));
}
QString ProgramFiles::settingsFile() const {
    return m_folder.path(QStringLiteral("Data/Quortspeak.Ini"));
}
QString ProgramFiles::historyFile() const {
    return m_folder.path(QStringLiteral("Data/quortspeak.Hys"));
}
QString ProgramFiles::bookmarkFile() const {
    return m_folder.path(QStringLiteral("Data/QuortBook.bm"));
}

QString ProgramFiles::languageFile(const QString &language) const {
    return LanguageFile::pathFor(m_folder, language);
}

QString ProgramFiles::defaultHomeAddress() const {
    return QUrl::fromLocalFile(m_folder.path(QStringLiteral("Data/start.html"))).toString();
}
