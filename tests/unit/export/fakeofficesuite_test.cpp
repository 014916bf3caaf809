#include "fakeofficesuite.h"
#include "filehelpers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FakeOfficeSuiteTest : public ::testing::Test {
protected:
    void SetUp() override {
        putFile(html, "<p>page</p>");
        putFile(picture, "png");
    }

    QTemporaryDir dir;
    QString html = dir.filePath(QStringLiteral("page.html"));
    QString picture = dir.filePath(QStringLiteral("page.png"));
    FakeOfficeSuite office;
};

} // namespace

TEST_F(FakeOfficeSuiteTest, AScriptedSaveFailureLeavesNoFileAndNamesTheStep) {
    const QString target = dir.filePath(QStringLiteral("page.docx"));
    office.failOn(QStringLiteral("save"), 1, QStringLiteral("Cannot save page.docx: disk full."));

    const auto document = office.newTextDocument(QString());
    ASSERT_TRUE(document.ok());
    ASSERT_TRUE(office.insertHtml(document.value, html).ok);
    const OfficeResult failed = office.save(document.value, target, OfficeFormat::Word2007);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.error, "Cannot save page.docx: disk full.");
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(office.calls(), (QStringList{"newTextDocument (blank)", "insertHtml 1 " + html,
                                           "save 1 " + target + " Word 2007"}));

    // Only the first save was scripted to fail; the next one writes what went in.
    ASSERT_TRUE(office.save(document.value, target, OfficeFormat::Word2007).ok);
    EXPECT_EQ(fileBytes(target), "fake Word 2007\nblank: landscape\nhtml: " + html.toUtf8() + "\n");
    ASSERT_TRUE(office.close(document.value).ok);
    EXPECT_EQ(office.openDocumentCount(), 0);
}

TEST_F(FakeOfficeSuiteTest, AnUnscriptedTextNamesTheOperationAndSlidesCountOnAfterReopening) {
    const QString show = dir.filePath(QStringLiteral("show.ppt"));
    office.failOn(QStringLiteral("addPictureSlide"), 2);

    const auto created = office.newPresentation();
    ASSERT_TRUE(created.ok());
    EXPECT_EQ(office.addPictureSlide(created.value, picture).value, 1);
    ASSERT_TRUE(office.save(created.value, show, OfficeFormat::PowerPoint97).ok);
    ASSERT_TRUE(office.close(created.value).ok);

    const auto reopened = office.openPresentation(show);
    ASSERT_TRUE(reopened.ok());
    EXPECT_EQ(office.addPictureSlide(reopened.value, picture).error(), "addPictureSlide failed");
    EXPECT_EQ(office.addPictureSlide(reopened.value, picture).value, 2);
}
