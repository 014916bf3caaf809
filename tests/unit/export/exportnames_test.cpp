#include "export/exportnames.h"
#include "export/wordexport.h"
#include "filehelpers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ExportNames, TheTitlesFirst22CharactersGiveItsAsciiLettersAndDigits) {
    EXPECT_EQ(ExportNames::defaultName(QStringLiteral("Über uns – Kontakt (2)"), ".doc"),
              "berunsKontakt2.doc");
    // Only the first 22 characters count, whatever survives of them.
    EXPECT_EQ(ExportNames::defaultName(QStringLiteral("abcdefghij klmnopqrst uvwxyz"), ".mht"),
              "abcdefghijklmnopqrst.mht");
    EXPECT_EQ(ExportNames::defaultName(QStringLiteral("!!! ??? ..."), ".pdf"), ".pdf");
    // An untitled page: the fixed stem where the export has one, else the extension alone.
    EXPECT_EQ(ExportNames::defaultName({}, ".xls", "ExcelDocument"), "ExcelDocument.xls");
    EXPECT_EQ(ExportNames::defaultName({}, ".doc"), ".doc");
    EXPECT_EQ(ExportNames::defaultName(QStringLiteral("..."), ".ppt", "PPTDocument"), ".ppt");
}

TEST(ExportNames, PicturesTakeTheNextFreeNumberAndNeverOverwrite) {
    QTemporaryDir dir;
    putFile(dir.filePath("Quort000.bmp"), "yesterday");
    putFile(dir.filePath("Quort001.bmp"), "yesterday");
    int number = -1;
    EXPECT_EQ(ExportNames::nextPicturePath(dir.path(), 0, &number), dir.filePath("Quort002.bmp"));
    EXPECT_EQ(number, 2);
    EXPECT_EQ(ExportNames::nextPicturePath(dir.path(), 7), dir.filePath("Quort007.bmp"));
    // Past 999 the number grows a digit instead of wrapping onto an old picture.
    putFile(dir.filePath("Quort999.bmp"), "x");
    EXPECT_EQ(ExportNames::nextPicturePath(dir.path(), 999, &number),
              dir.filePath("Quort1000.bmp"));
    EXPECT_EQ(number, 1000);
}

TEST(WordExport, ThePdfsWordCopyTakesItsNameWithDocForTheExtension) {
    EXPECT_EQ(WordExport::wordCopyOf("/home/me/page.pdf"), "/home/me/page.doc");
    EXPECT_EQ(WordExport::wordCopyOf("/home/me/my.report.PDF"), "/home/me/my.report.doc");
    EXPECT_EQ(WordExport::wordCopyOf("/home/me/page"), "/home/me/page.doc");
    EXPECT_EQ(WordExport::wordCopyOf("/home/me.d/.pdf"), "/home/me.d/.doc");
}
