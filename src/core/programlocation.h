#pragma once

#include "text/programfolder.h"

#include <QString>

// Which folder holds the user's files. Portable: the program runs from a folder it may
// write to that holds languages/, and everything stays beside the executable. Installed:
// the shipped files are read from ../share/quorttrans beside the executable's folder (so
// an installed tree can be moved) and the user's files live in $XDG_DATA_HOME/quorttrans,
// ~/.local/share/quorttrans without it, with the same names and formats.
class ProgramLocation {
public:
    // dataHome and home as the environment gives them ($XDG_DATA_HOME, $HOME).
    static ProgramFolder choose(const QString &executableFolder, const QString &dataHome,
                                const QString &home);
    // For the running executable and this process's environment.
    static ProgramFolder ofExecutable();

    static bool isPortable(const QString &executableFolder);
};
