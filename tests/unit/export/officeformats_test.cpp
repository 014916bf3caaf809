#include "export/officeformats.h"

#include <gtest/gtest.h>

TEST(OfficeFormats, TheExtensionPicksTheFormatInAnyLetterCase) {
    EXPECT_EQ(OfficeFormats::fromFileName(QStringLiteral("/home/me/PAGE.DOCX"), OfficeKind::Text),
              OfficeFormat::Word2007);
    EXPECT_EQ(OfficeFormats::fromFileName(QStringLiteral("page.Odt"), OfficeKind::Text),
              OfficeFormat::OdfText);
    EXPECT_EQ(OfficeFormats::fromFileName(QStringLiteral("Tables.XLSX"), OfficeKind::Sheet),
              OfficeFormat::Excel2007);
    EXPECT_EQ(
        OfficeFormats::fromFileName(QStringLiteral("C:\\Shows\\talk.odp"), OfficeKind::Slides),
        OfficeFormat::OdfPresentation);
}

TEST(OfficeFormats, ANameWithoutAKnownExtensionOfItsKindGetsTheOffice97Format) {
    EXPECT_EQ(OfficeFormats::fromFileName(QStringLiteral("page"), OfficeKind::Text),
              OfficeFormat::Word97);
    EXPECT_EQ(OfficeFormats::fromFileName(QStringLiteral("page."), OfficeKind::Text),
              OfficeFormat::Word97);
    // A dot in a folder's name is no extension.
    EXPECT_EQ(
        OfficeFormats::fromFileName(QStringLiteral("/home/me/v1.docx/page"), OfficeKind::Text),
        OfficeFormat::Word97);
    EXPECT_EQ(OfficeFormats::fromFileName(QStringLiteral("page.docx.bak"), OfficeKind::Text),
              OfficeFormat::Word97);
    // A workbook's extension does not make a text document a workbook.
    EXPECT_EQ(OfficeFormats::fromFileName(QStringLiteral("page.xlsx"), OfficeKind::Text),
              OfficeFormat::Word97);
    EXPECT_EQ(OfficeFormats::fromFileName(QStringLiteral("tables.csv"), OfficeKind::Sheet),
              OfficeFormat::Excel97);
    EXPECT_EQ(OfficeFormats::fromFileName(QString(), OfficeKind::Slides),
              OfficeFormat::PowerPoint97);
}

TEST(OfficeFormats, EveryFormatIsFoundAgainByItsOwnExtension) {
    for (int f = int(OfficeFormat::Word97); f <= int(OfficeFormat::OdfPresentation); ++f) {
        const auto format = static_cast<OfficeFormat>(f);
        const QString name = QStringLiteral("file.") + OfficeFormats::extension(format);
        EXPECT_EQ(OfficeFormats::fromFileName(name, OfficeFormats::kind(format)), format)
            << name.toStdString();
    }
}
