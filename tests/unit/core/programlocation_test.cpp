#include "core/programlocation.h"
#include "filehelpers.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// An installed tree as `cmake --install` lays it out: bin/ beside share/quorttrans/.
struct InstalledTree {
    InstalledTree() {
        putFile(root.filePath(QStringLiteral("share/quorttrans/languages/Trans_English.txt")), "x");
        QDir(root.path()).mkpath(QStringLiteral("bin"));
    }
    QString bin() const { return root.filePath(QStringLiteral("bin")); }
    QTemporaryDir root;
};

} // namespace

TEST(ProgramLocation, AWritableFolderWithLanguagesIsPortable) {
    QTemporaryDir program;
    putFile(program.filePath(QStringLiteral("Languages/Trans_English.txt")), "x");
    const ProgramFolder folder = ProgramLocation::choose(program.path(), "/data", "/home/u");
    EXPECT_EQ(folder.root(), program.path());
    EXPECT_EQ(folder.shippedRoot(), program.path());
}

TEST(ProgramLocation, InstalledKeepsTheUsersFilesInTheDataHome) {
    const InstalledTree tree;
    const QString shipped = tree.root.filePath(QStringLiteral("share/quorttrans"));
    ProgramFolder folder = ProgramLocation::choose(tree.bin(), "/data", "/home/u");
    EXPECT_EQ(folder.root(), "/data/quorttrans");
    EXPECT_EQ(folder.shippedRoot(), shipped);
    // Without XDG_DATA_HOME, or with a relative one, the desktop's usual ~/.local/share.
    for (const QString &dataHome : {QString(), QStringLiteral("relative/data")}) {
        folder = ProgramLocation::choose(tree.bin(), dataHome, "/home/u");
        EXPECT_EQ(folder.root(), "/home/u/.local/share/quorttrans");
    }
}
