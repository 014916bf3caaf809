#include "programlocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ProgramFolder ProgramLocation::choose(const QString &executableFolder, const QString &dataHome,
                                      const QString &home) {
    if (isPortable(executableFolder))
        return ProgramFolder(executableFolder);
    const QString shipped = QDir(executableFolder).filePath(QStringLiteral("../share/quorttrans"));
    // A relative XDG_DATA_HOME is ignored, as by every desktop program.
    const QString base = QDir::isAbsolutePath(dataHome)
                             ? dataHome
                             : QDir(home).filePath(QStringLiteral(".local/share"));
    return ProgramFolder(QDir(base).filePath(QStringLiteral("quorttrans")), shipped);
}

ProgramFolder ProgramLocation::ofExecutable() {
    return choose(QCoreApplication::applicationDirPath(), qEnvironmentVariable("XDG_DATA_HOME"),
                  QDir::homePath());
}

bool ProgramLocation::isPortable(const QString &executableFolder) {
    const QFileInfo folder(executableFolder);
    const QFileInfo languages(ProgramFolder(executableFolder).path(QStringLiteral("languages")));
    return folder.isDir() && folder.isWritable() && languages.isDir();
}
