#include "filehelpers.h"
#include "userdata/optionsfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QString Home = QStringLiteral("file:///opt/quorttrans/Data/start.html");
}

TEST(OptionsFile, FirstRunCreatesTheFiveDefaultLines) {
    QTemporaryDir dir;
    const OptionsFile file(dir.filePath(QStringLiteral("Data/quortspeak.Opt")));
    Options options;
    ASSERT_TRUE(file.read(options, Home).ok);
    EXPECT_EQ(options.selectedBarStyle, 1); // office
    EXPECT_EQ(options.autoHideBars, 0);
    EXPECT_EQ(options.homeAddress, Home);
    EXPECT_EQ(options.currentLanguage, "English");
    EXPECT_EQ(fileBytes(file.path()), ("1\r\n0\r\n0\r\n0\r\n" + Home + "\r\n").toUtf8());

    ASSERT_TRUE(file.save(options).ok);
    EXPECT_EQ(fileBytes(file.path()), ("1\r\n0\r\n0\r\n0\r\n" + Home + "\r\nEnglish\r\n").toUtf8());
}

TEST(OptionsFile, ValuesSurviveAWriteAndRead) {
    QTemporaryDir dir;
    const OptionsFile file(dir.filePath(QStringLiteral("quortspeak.Opt")));
    Options written;
    written.selectedBarStyle = 3;
    written.spareA = -7;
    written.autoHideBars = 1;
    written.spareB = 32767;
    written.homeAddress = QStringLiteral("https://example.org/ä?x=1");
    written.currentLanguage = QStringLiteral("deutsch");
    ASSERT_TRUE(file.save(written).ok);
    Options read;
    ASSERT_TRUE(file.read(read, Home).ok);
    EXPECT_EQ(read.selectedBarStyle, 3);
    EXPECT_EQ(read.spareA, -7);
    EXPECT_EQ(read.autoHideBars, 1);
    EXPECT_EQ(read.spareB, 32767);
    EXPECT_EQ(read.homeAddress, written.homeAddress);
    EXPECT_EQ(read.currentLanguage, "deutsch");
}

TEST(OptionsFile, NumbersRoundHalvesToEven) {
    Options options;
    OptionsFile::parse({"2.5"}, options);
    EXPECT_EQ(options.selectedBarStyle, 2);
    OptionsFile::parse({" 3.5 "}, options);
    EXPECT_EQ(options.selectedBarStyle, 4);
}

TEST(OptionsFile, BadOrMissingLinesKeepTheirValues) {
    Options options;
    options.spareA = 5;
    OptionsFile::parse({"x", "40000", "1"}, options);
    EXPECT_EQ(options.selectedBarStyle, 0); // no number counts as 0
    EXPECT_EQ(options.spareA, 5);           // out of range: unchanged
    EXPECT_EQ(options.autoHideBars, 1);
    EXPECT_EQ(options.homeAddress, "");
    EXPECT_EQ(options.currentLanguage, "English");
}

TEST(OptionsFile, AnEmptyHomeLineStaysEmpty) {
    Options options;
    OptionsFile::parse({"1", "0", "0", "0", "", "deutsch"}, options);
    EXPECT_EQ(options.homeAddress, "");
    EXPECT_EQ(options.currentLanguage, "deutsch");
}

TEST(OptionsFile, ALineBreakInAValueDoesNotShiftTheLines) {
    QTemporaryDir dir;
    const OptionsFile file(dir.filePath(QStringLiteral("quortspeak.Opt")));
    Options written;
    written.homeAddress = QStringLiteral("http://a/\r\nb");
    ASSERT_TRUE(file.save(written).ok);
    Options read;
    ASSERT_TRUE(file.read(read, Home).ok);
    EXPECT_EQ(read.homeAddress, "http://a/  b");
    EXPECT_EQ(read.currentLanguage, "English");
}

TEST(OptionsFile, AFileThatCannotBeCreatedLeavesTheDefaultsAndSaysSo) {
    QTemporaryDir dir;
    putFile(dir.filePath(QStringLiteral("Data")), "a file, not a folder");
    const OptionsFile file(dir.filePath(QStringLiteral("Data/quortspeak.Opt")));
    Options options;
    const WriteResult result = file.read(options, Home);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(options.selectedBarStyle, 1);
    EXPECT_EQ(options.homeAddress, Home);
    EXPECT_FALSE(file.save(options).ok);
}
