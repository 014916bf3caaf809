#include "desktop/systemdesktop.h"
#include "filehelpers.h"
#include "text/programfolder.h"

#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

TEST(Desktop, WebAndMailAddressesAreKnownForWhatTheyAre) {
    for (const char *address :
         {"https://quorttrans.example.org/quorttrans/quorttranshelp.html", "http://example.org",
          "HTTPS://Example.org/guides/", "ftp://ftp.example.org/pub/"})
        EXPECT_TRUE(Desktop::isWebAddress(QUrl(QLatin1String(address)))) << address;
    EXPECT_TRUE(Desktop::isMailAddress(QUrl("mailto:developers@quorttrans.example.org")));
    EXPECT_FALSE(Desktop::isWebAddress(QUrl("mailto:developers@quorttrans.example.org")));
}

TEST(Desktop, NothingElseIsHandedOver) {
    QTemporaryDir folder;
    SystemDesktop desktop{ProgramFolder(folder.path())};
    for (const char *address :
         {"file:///etc/passwd", "/usr/bin/xterm", "javascript:alert(1)", "help.html", "",
          "http:///nohost", "mailto:", "smb://server/share", "data:text/html,x"}) {
        const QUrl url{QString::fromLatin1(address)};
        EXPECT_FALSE(Desktop::isWebAddress(url) || Desktop::isMailAddress(url)) << address;
        EXPECT_FALSE(desktop.openUrl(url)) << address;
    }
    // Files outside the program folder, and missing ones, are refused before the desktop
    // sees them.
    EXPECT_FALSE(desktop.openProgramFile("/etc/hostname"));
    EXPECT_FALSE(desktop.openProgramFile(folder.filePath("../outside.txt")));
    EXPECT_FALSE(desktop.openProgramFile(folder.filePath("missing.txt")));
}
