#pragma once

#include <QString>

// The folder of the program file, from which every path of the program is built. File and
// folder names are matched without regard to letter case, as the program always spelled
// them differently in different places ("Languages" and "languages", ".Hys" and ".hys").
class ProgramFolder {
public:
    explicit ProgramFolder(QString root);

    // The folder of the running executable.
    static ProgramFolder ofExecutable();

    const QString &root() const { return m_root; }

    // The path of a file or folder below the program folder, given with "/" or "\".
    // Each part that exists under another spelling takes that spelling; the first part
    // that exists under none keeps the spelling given, as do the parts after it.
    QString path(const QString &relative) const;

private:
    QString m_root;
};
