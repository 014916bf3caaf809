#include "filehelpers.h"
#include "text/textcase.h"
#include "text/textfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TextFileDecode, ValidUtf8IsReadAsUtf8) {
    EXPECT_EQ(TextFile::decode(QByteArray("Gr\xc3\xbc\xc3\x9f"
                                          "e")),
              QStringLiteral("Grüße"));
}

TEST(TextFileDecode, AnythingElseIsWindows1252) {
    // "Grüße" and a euro sign and curly quotes as an old Windows editor wrote them.
    EXPECT_EQ(TextFile::decode(QByteArray("Gr\xfc\xdf"
                                          "e \x80 \x93x\x94")),
              QStringLiteral("Grüße € “x”"));
    // One bad byte anywhere makes the whole file Windows-1252, never half and half.
    EXPECT_EQ(TextFile::decode(QByteArray("\xc3\xa4 \xe4")), QStringLiteral("Ã¤ ä"));
}

TEST(TextFileDecode, ByteOrderMarkIsNotText) {
    EXPECT_EQ(TextFile::decodeLines(QByteArray("\xef\xbb\xbf\"Hello\"\r\n")),
              QStringList{QStringLiteral("\"Hello\"")});
}

TEST(TextFileDecode, ALeadingByteOrderMarkCharacterSurvivesAWrite) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.txt"));
    const QString text = QString(QChar(0xFEFF)) + QStringLiteral("a");
    ASSERT_TRUE(TextFile::writeLines(path, {text}).ok);
    EXPECT_EQ(TextFile::readLines(path), QStringList{text});
}

TEST(TextFileLines, CrLfAndBareLfEndLines) {
    EXPECT_EQ(TextFile::splitLines(QStringLiteral("a\r\nb\nc")), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(TextFile::splitLines(QStringLiteral("a\r\n")), QStringList{"a"});
    EXPECT_EQ(TextFile::splitLines(QString()), QStringList());
    EXPECT_EQ(TextFile::splitLines(QStringLiteral("\r\n\r\n")), (QStringList{"", ""}));
    // A carriage return inside a line stays part of it.
    EXPECT_EQ(TextFile::splitLines(QStringLiteral("a\rb\r\n")), QStringList{"a\rb"});
}

TEST(TextFileWrite, WritesUtf8WithCrLfAndCreatesTheFolder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data/x.txt"));
    const WriteResult result = TextFile::writeLines(path, {QStringLiteral("Grüße"), QString()});
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(fileBytes(path), QByteArray("Gr\xc3\xbc\xc3\x9f"
                                          "e\r\n\r\n"));
    EXPECT_EQ(TextFile::readLines(path), (QStringList{QStringLiteral("Grüße"), QString()}));
}

TEST(TextFileWrite, ReplacesTheWholeFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.txt"));
    putFile(path, QByteArray(1000, 'x'));
    ASSERT_TRUE(TextFile::writeLines(path, {QStringLiteral("short")}).ok);
    EXPECT_EQ(fileBytes(path), QByteArray("short\r\n"));
    // Nothing of the temporary file that made the replacement atomic is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"x.txt"});
}

TEST(TextFileWrite, AFailureIsReportedWithThePath) {
    QTemporaryDir dir;
    // A file where the folder should be: the folder cannot be made, even as root.
    putFile(dir.filePath(QStringLiteral("Data")), "not a folder");
    const QString path = dir.filePath(QStringLiteral("Data/x.txt"));
    const WriteResult result = TextFile::writeLines(path, {QStringLiteral("a")});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.path, path);
    EXPECT_FALSE(result.error.isEmpty());
}

TEST(TextFileWrite, ReadingAMissingFileGivesNothing) {
    QTemporaryDir dir;
    EXPECT_FALSE(TextFile::readLines(dir.filePath(QStringLiteral("none"))).has_value());
}

TEST(TextRules, OneLineTurnsLineBreaksIntoBlanks) {
    EXPECT_EQ(TextFile::oneLine(QStringLiteral("a\r\nb\nc")), QStringLiteral("a  b c"));
}

TEST(TextRules, ProperCase) {
    EXPECT_EQ(TextCase::proper(QStringLiteral("english")), QStringLiteral("English"));
    EXPECT_EQ(TextCase::proper(QStringLiteral("sWISS gERMAN")), QStringLiteral("Swiss German"));
    EXPECT_EQ(TextCase::proper(QStringLiteral("ÖSTERREICH")), QStringLiteral("Österreich"));
    EXPECT_EQ(TextCase::proper(QString()), QString());
}
