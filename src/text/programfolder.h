#pragma once

#include <QString>

// The folder of the program file, from which every path of the program is built. File and
// folder names are matched without regard to letter case, as the program always spelled
// them differently in different places ("Languages" and "languages", ".Hys" and ".hys").
class ProgramFolder {
public:
    explicit ProgramFolder(QString root);
    // An installed program: the user's files below root, and the files the program ships
    // below shippedRoot, read where the user has none of the same name.
    ProgramFolder(QString root, QString shippedRoot);

    const QString &root() const { return m_root; }
    // Where the shipped files are: root itself when the program runs from its own folder.
    const QString &shippedRoot() const { return m_shippedRoot.isEmpty() ? m_root : m_shippedRoot; }

    // The path of a file or folder below the program folder, given with "/" or "\".
    // Each part that exists under another spelling takes that spelling; the first part
    // that exists under none keeps the spelling given, as do the parts after it. With a
    // shipped root, a path that exists only there is given there; any other below root.
    QString path(const QString &relative) const;

private:
    QString m_root;
    QString m_shippedRoot;
};
