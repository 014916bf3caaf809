#include "unoplugin.h"

#include "unosession.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>

std::unique_ptr<UnoSession> UnoPlugin::createSession(QString *error) {
    static QMutex mutex;
    static CreateUnoSession create = nullptr;
    static QString loadError;
    QMutexLocker locker(&mutex);
    if (!create && loadError.isEmpty()) {
        QLibrary library(location());
        // Every symbol now: a missing UNO library must fail here, not in the middle of a call.
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        create = reinterpret_cast<CreateUnoSession>(library.resolve(QUORT_UNO_ENTRY));
        if (!create)
            loadError = library.errorString();
    }
    if (!create) {
        *error = QStringLiteral("LibreOffice cannot be used: %1.").arg(loadError);
        return nullptr;
    }
    return std::unique_ptr<UnoSession>(create());
}

QString UnoPlugin::location() {
    const QString name = QFileInfo(QStringLiteral(QUORT_UNO_PLUGIN)).fileName();
    if (QCoreApplication::instance()) {
        const QString installed = QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
        if (QFileInfo::exists(installed))
            return installed;
        // Installed with the program: bin/ and lib/.../quorttrans/ share a parent.
        const QString inLibrary = QCoreApplication::applicationDirPath() +
                                  QStringLiteral("/../" QUORT_UNO_LIBRARY_DIR "/") + name;
        if (QFileInfo::exists(inLibrary))
            return inLibrary;
    }
    return QStringLiteral(QUORT_UNO_PLUGIN);
}
