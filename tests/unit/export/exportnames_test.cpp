#include "export/exportnames.h"
#include "export/wordexport.h"
#include "filehelpers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ExportNames, TheTitlesFirst22CharactersGiveItsLettersAndDigitsInAnyScript) {
    EXPECT_EQ(ExportNames::defaultName(QStringLiteral("Über uns – Kontakt (2)"), ".doc", "W"),
              "ÜberunsKontakt2.doc");
    // Only the first 22 characters count, whatever survives of them.
    EXPECT_EQ(ExportNames::defaultName(QStringLiteral("abcdefghij klmnopqrst uvwxyz"), ".mht", "W"),
              "abcdefghijklmnopqrst.mht");
    EXPECT_EQ(ExportNames::defaultName(QStringLiteral("Новости: главное за день"), ".doc", "W"),
              "Новостиглавноезаде.doc");
    EXPECT_EQ(ExportNames::defaultName(QStringLiteral("Ειδήσεις / Αθήνα 2026"), ".pdf", "W"),
              "ΕιδήσειςΑθήνα2026.pdf");
    EXPECT_EQ(ExportNames::defaultName(QStringLiteral("ニュース・天気（東京）"), ".xls", "W"),
              "ニュース天気東京.xls");
    // A character beyond the basic plane counts once and is kept whole.
    EXPECT_EQ(ExportNames::defaultName(QStringLiteral("𠮷野家 ../.."), ".ppt", "W"), "𠮷野家.ppt");
}

TEST(ExportNames, WhenNothingIsLeftTheExportsUntitledStemNamesTheFile) {
    // Never a bare extension: on Linux that is a hidden file the user would not find.
    EXPECT_EQ(ExportNames::defaultName(QStringLiteral("!!! ??? ..."), ".pdf", "PDFDocument"),
              "PDFDocument.pdf");
    EXPECT_EQ(ExportNames::defaultName(QStringLiteral("../.hidden/"), ".doc", "WordDocument"),
              "hidden.doc");
    EXPECT_EQ(ExportNames::defaultName({}, ".xls", "ExcelDocument"), "ExcelDocument.xls");
    EXPECT_EQ(ExportNames::defaultName(QStringLiteral("..."), ".ppt", "PPTDocument"),
              "PPTDocument.ppt");
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
