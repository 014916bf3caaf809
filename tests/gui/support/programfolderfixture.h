#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

// A program folder of its own for one test: the shipped files of the built program
// (languages, Data, images, icons), without any of the user's files.
class TemporaryProgramFolder {
public:
    TemporaryProgramFolder() {
        const QDir source(QStringLiteral(QUORT_PROGRAM_DIR));
        for (const char *folder : {"languages", "Data", "images", "icons"})
            copyTree(source.filePath(QLatin1String(folder)), m_dir.filePath(QLatin1String(folder)));
        // Only what ships: a user's files left in the build's program folder stay out.
        for (const char *file : {"Data/quortspeak.Opt", "Data/Quortspeak.Ini",
                                 "Data/quortspeak.Hys", "Data/QuortBook.bm"})
            QFile::remove(m_dir.filePath(QLatin1String(file)));
    }

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    static void copyTree(const QString &from, const QString &to) {
        QDir().mkpath(to);
        QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = to + file.mid(from.size());
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(file, target);
        }
    }

    QTemporaryDir m_dir;
};
