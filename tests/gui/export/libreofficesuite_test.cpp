// The LibreOffice suite against the real office, writing real files in a temporary folder.
#include "export/libreoffice/libreofficesuite.h"
#include "waituntil.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <thread>

namespace {

constexpr int PictureWidth = 40;
constexpr int PictureHeight = 30;

void writeFile(const QString &path, const QByteArray &content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A page as the exports hand it over: a heading, escaped and non-ASCII text, a table and a
// picture inlined as a data address.
QByteArray pageHtml() {
    QImage picture(PictureWidth, PictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    picture.save(&png, "PNG");
    return "<html><head><meta charset=\"utf-8\"><title>Report</title></head><body>"
           "<h1>Harbour Report</h1><p>Fish &amp; Chips f\xC3\xBCr Gr\xC3\xBC\xC3\x9F"
           "e</p><table border=\"1\"><tr><td>North cell</td><td>East cell</td></tr>"
           "<tr><td>South cell</td><td>West cell</td></tr></table><p><img src=\"data:image/png;"
           "base64," +
           png.data().toBase64() + "\"></p></body></html>";
}

// Runs a poppler tool on a file and gives what it printed.
QString poppler(const QString &tool, const QStringList &arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A member of a zip package (an Office 2007 file) as text.
QString zipMember(const QString &zip, const QString &member) {
    QProcess process;
    process.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, member});
    if (!process.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The numbers of the first match of pattern in text, by capture.
QList<qint64> numbers(const QString &text, const QString &pattern) {
    QList<qint64> result;
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(text);
    for (int i = 1; i <= match.lastCapturedIndex(); ++i)
        result.append(match.captured(i).toLongLong());
    return result;
}

bool processExists(qint64 pid) {
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

// Dead but not yet reaped: its pipe to us is closed, and the suite has not noticed.
bool isZombie(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) == "Z";
}

class LibreOfficeSuiteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_TRUE(m_suite.isAvailable()) << "LibreOffice is not installed";
    }
    QString path(const QString &name) const { return m_folder.filePath(name); }

    // A text document of the page, from the template when one is given.
    OfficeDocument documentOfPage(const QString &templatePath, const QString &html) {
        const auto document = m_suite.newTextDocument(templatePath);
        EXPECT_TRUE(document.ok()) << document.error().toStdString();
        const OfficeResult inserted = m_suite.insertHtml(document.value, html);
        EXPECT_TRUE(inserted.ok) << inserted.error.toStdString();
        return document.value;
    }

    QTemporaryDir m_folder;
    LibreOfficeSuite m_suite{m_folder.filePath(QStringLiteral("profile"))};
};

TEST_F(LibreOfficeSuiteTest, WordDocumentFromTemplateHoldsThePageAndLeavesTheTemplateAlone) {
    const QString letterhead = path(QStringLiteral("letterhead.html"));
    writeFile(letterhead, "<html><body><p>Letterhead of the template</p></body></html>");
    const QString templatePath = path(QStringLiteral("Template.Doc"));
    const OfficeDocument blank = documentOfPage(QString(), letterhead);
    ASSERT_TRUE(m_suite.save(blank, templatePath, OfficeFormat::Word97).ok);
    ASSERT_TRUE(m_suite.close(blank).ok);
    const QByteArray templateBytes = readFile(templatePath);

    const QString page = path(QStringLiteral("page.html"));
    writeFile(page, pageHtml());
    QElapsedTimer timer;
    timer.start();
    const OfficeDocument document = documentOfPage(templatePath, page);
    const QString saved = path(QStringLiteral("Page \xC3\xBC.doc"));
    const OfficeResult result = m_suite.save(document, saved, OfficeFormat::Word97);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    ASSERT_TRUE(m_suite.close(document).ok);
    std::cout << "warm Word 97 document: " << timer.elapsed() << " ms\n";

    EXPECT_EQ(readFile(templatePath), templateBytes);
    // An OLE compound file, as Word 97 writes.
    EXPECT_TRUE(readFile(saved).startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"));

    // Read back through the office: the saved file as a template, out as PDF.
    const auto reread = m_suite.newTextDocument(saved);
    ASSERT_TRUE(reread.ok()) << reread.error().toStdString();
    const QString pdf = path(QStringLiteral("reread.pdf"));
    ASSERT_TRUE(m_suite.exportPdf(reread.value, pdf).ok);
    ASSERT_TRUE(m_suite.close(reread.value).ok);
    const QString text = poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    for (const char *expected : {"Letterhead of the template", "Harbour Report",
                                 "Fish & Chips f\xC3\xBCr Gr\xC3\xBC\xC3\x9F"
                                 "e",
                                 "North cell", "East cell", "South cell", "West cell"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected)))
            << expected << " in " << text.toStdString();
    const QString images = poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    EXPECT_TRUE(images.contains(QRegularExpression(
        QStringLiteral("\\bimage\\s+%1\\s+%2\\b").arg(PictureWidth).arg(PictureHeight))))
        << images.toStdString();

    // Nothing but what was asked for: no temporary or lock files left behind.
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({QStringLiteral("Page \xC3\xBC.doc"), QStringLiteral("Template.Doc"),
                           QStringLiteral("letterhead.html"), QStringLiteral("page.html"),
                           QStringLiteral("reread.pdf")}));
}

TEST_F(LibreOfficeSuiteTest, BlankDocumentIsExportedAsLandscapePdf) {
    const QString page = path(QStringLiteral("page.html"));
    writeFile(page, pageHtml());
    ASSERT_TRUE(m_suite.start().ok);
    QElapsedTimer timer;
    timer.start();
    const OfficeDocument document = documentOfPage(QString(), page);
    const QString pdf = path(QStringLiteral("page.pdf"));
    const OfficeResult result = m_suite.exportPdf(document, pdf);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    std::cout << "warm PDF: " << timer.elapsed() << " ms\n";
    ASSERT_TRUE(m_suite.close(document).ok);

    const QString info = poppler(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble());
    EXPECT_TRUE(poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                    .contains(QStringLiteral("Harbour Report")));
}

TEST_F(LibreOfficeSuiteTest, FailedSaveNamesTheFileAndLeavesNothingUnderItsName) {
    const QString page = path(QStringLiteral("page.html"));
    writeFile(page, pageHtml());
    const OfficeDocument document = documentOfPage(QString(), page);

    // A folder that cannot exist: its name is taken by a file.
    const QString notAFolder = path(QStringLiteral("notes.txt"));
    writeFile(notAFolder, "notes");
    const QString inside = notAFolder + QStringLiteral("/page.doc");
    const OfficeResult intoFile = m_suite.save(document, inside, OfficeFormat::Word97);
    EXPECT_FALSE(intoFile.ok);
    EXPECT_TRUE(intoFile.error.contains(inside)) << intoFile.error.toStdString();

    // A folder even root cannot write in: the office's own write fails.
    const QString intoProc = QStringLiteral("/proc/quorttrans-page.pdf");
    const OfficeResult refused = m_suite.exportPdf(document, intoProc);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.error.contains(intoProc)) << refused.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(intoProc));

    // The document stays usable after the failures.
    EXPECT_TRUE(m_suite.save(document, path(QStringLiteral("page.odt")), OfficeFormat::OdfText).ok);
    EXPECT_TRUE(m_suite.close(document).ok);
    EXPECT_EQ(readFile(notAFolder), QByteArray("notes"));
}

TEST_F(LibreOfficeSuiteTest, WorkbookHoldsThePageTablesInFrontOfItsOwnSheet) {
    const QString page = path(QStringLiteral("page.html"));
    writeFile(page, pageHtml());
    const auto workbook = m_suite.newWorkbookFromHtml(page);
    ASSERT_TRUE(workbook.ok()) << workbook.error().toStdString();
    const QString saved = path(QStringLiteral("tables.xlsx"));
    ASSERT_TRUE(m_suite.save(workbook.value, saved, OfficeFormat::Excel2007).ok);
    EXPECT_FALSE(
        m_suite.save(workbook.value, path(QStringLiteral("tables.doc")), OfficeFormat::Word97).ok);
    ASSERT_TRUE(m_suite.close(workbook.value).ok);

    const QString strings = zipMember(saved, QStringLiteral("xl/sharedStrings.xml"));
    for (const char *cell : {"North cell", "East cell", "South cell", "West cell"})
        EXPECT_TRUE(strings.contains(QLatin1String(cell))) << cell;
    const QString sheets = zipMember(saved, QStringLiteral("xl/workbook.xml"));
    EXPECT_EQ(sheets.count(QStringLiteral("<sheet ")), 2) << sheets.toStdString();
    // The first sheet is the page's: its cells hold the table.
    EXPECT_TRUE(zipMember(saved, QStringLiteral("xl/worksheets/sheet1.xml"))
                    .contains(QStringLiteral("<c r=\"A")));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("tables.doc"))));
}

TEST_F(LibreOfficeSuiteTest, PictureSlidesAreAddedAtTheEndCentredWithTheirProportions) {
    QImage picture(PictureWidth * 10, PictureHeight * 10, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    const QString image = path(QStringLiteral("page.png"));
    ASSERT_TRUE(picture.save(image));

    const auto presentation = m_suite.newPresentation();
    ASSERT_TRUE(presentation.ok()) << presentation.error().toStdString();
    EXPECT_EQ(m_suite.addPictureSlide(presentation.value, image).value, 1);
    EXPECT_EQ(m_suite.addPictureSlide(presentation.value, image).value, 2);
    const QString first = path(QStringLiteral("slides.pptx"));
    ASSERT_TRUE(m_suite.save(presentation.value, first, OfficeFormat::PowerPoint2007).ok);
    ASSERT_TRUE(m_suite.close(presentation.value).ok);

    const auto reopened = m_suite.openPresentation(first);
    ASSERT_TRUE(reopened.ok()) << reopened.error().toStdString();
    const auto third = m_suite.addPictureSlide(reopened.value, image);
    ASSERT_TRUE(third.ok()) << third.error().toStdString();
    EXPECT_EQ(third.value, 3);
    const QString second = path(QStringLiteral("more slides.pptx"));
    ASSERT_TRUE(m_suite.save(reopened.value, second, OfficeFormat::PowerPoint2007).ok);
    ASSERT_TRUE(m_suite.close(reopened.value).ok);

    const QList<qint64> slide = numbers(zipMember(second, QStringLiteral("ppt/presentation.xml")),
                                        QStringLiteral("<p:sldSz cx=\"(\\d+)\" cy=\"(\\d+)\""));
    ASSERT_EQ(slide.size(), 2);
    for (int number = 1; number <= 3; ++number) {
        const QString xml = zipMember(second, QStringLiteral("ppt/slides/slide%1.xml").arg(number));
        EXPECT_EQ(xml.count(QStringLiteral("<p:pic>")), 1) << number;
        const QList<qint64> box =
            numbers(xml, QStringLiteral("<a:off x=\"(\\d+)\" y=\"(\\d+)\"/><a:ext cx=\"(\\d+)\" "
                                        "cy=\"(\\d+)\""));
        ASSERT_EQ(box.size(), 4) << xml.toStdString();
        // Centred, as large as fits, proportions kept (to 0.1 mm: sizes are rounded to
        // hundredths of millimetres on the way to the file).
        const qint64 slack = 3600;
        EXPECT_NEAR(box[0] * 2 + box[2], slide[0], slack);
        EXPECT_NEAR(box[1] * 2 + box[3], slide[1], slack);
        EXPECT_TRUE(std::abs(box[2] - slide[0]) < slack || std::abs(box[3] - slide[1]) < slack);
        EXPECT_NEAR(double(box[2]) / box[3], double(PictureWidth) / PictureHeight, 0.01);
    }
    EXPECT_TRUE(zipMember(second, QStringLiteral("ppt/slides/slide4.xml")).isEmpty());
}

TEST(LibreOfficeSuiteWithoutOffice, FailsWithASentenceWhenTheOfficeIsMissing) {
    QTemporaryDir folder;
    const QByteArray before = qgetenv("UNO_PATH");
    const bool wasSet = qEnvironmentVariableIsSet("UNO_PATH");
    qputenv("UNO_PATH", folder.filePath(QStringLiteral("nowhere")).toUtf8());
    {
        LibreOfficeSuite suite(folder.filePath(QStringLiteral("profile")));
        EXPECT_FALSE(suite.isAvailable());
        const OfficeResult started = suite.start();
        EXPECT_FALSE(started.ok);
        EXPECT_TRUE(started.error.contains(QStringLiteral("LibreOffice")))
            << started.error.toStdString();
        const auto document = suite.newTextDocument(QString());
        EXPECT_FALSE(document.ok());
        EXPECT_FALSE(document.error().isEmpty());
        EXPECT_EQ(suite.officeProcessId(), 0);
    }
    if (wasSet)
        qputenv("UNO_PATH", before);
    else
        qunsetenv("UNO_PATH");
}

TEST_F(LibreOfficeSuiteTest, OfficeOutlivesTheStartingThreadAndEndsWithTheSuite) {
    auto suite = std::make_unique<LibreOfficeSuite>(path(QStringLiteral("own profile")));
    QElapsedTimer timer;
    timer.start();
    OfficeResult started;
    // Started from a worker thread that then ends, as a pool thread would.
    std::thread([&] { started = suite->start(); }).join();
    ASSERT_TRUE(started.ok) << started.error.toStdString();
    std::cout << "cold start: " << timer.elapsed() << " ms\n";
    const qint64 first = suite->officeProcessId();
    ASSERT_TRUE(processExists(first));

    const auto document = suite->newTextDocument(QString());
    ASSERT_TRUE(document.ok()) << document.error().toStdString();
    EXPECT_EQ(suite->officeProcessId(), first);

    // An office that died is replaced on the next call; its documents are gone.
    ::kill(pid_t(first), SIGKILL);
    ASSERT_TRUE(waitUntil([&] { return suite->officeProcessId() != first; }));
    const auto again = suite->newTextDocument(QString());
    ASSERT_TRUE(again.ok()) << again.error().toStdString();
    const qint64 second = suite->officeProcessId();
    EXPECT_NE(second, first);
    EXPECT_TRUE(processExists(second));
    EXPECT_FALSE(
        suite->save(document.value, path(QStringLiteral("lost.odt")), OfficeFormat::OdfText).ok);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("lost.odt"))));
    EXPECT_TRUE(suite->close(document.value).ok);

    // A call that meets the office the moment it died fails with a sentence; the program
    // writing into the closed pipe goes on.
    ::kill(pid_t(second), SIGKILL);
    while (processExists(second) && !isZombie(second))
        std::this_thread::yield();
    const OfficeResult late =
        suite->save(again.value, path(QStringLiteral("late.odt")), OfficeFormat::OdfText);
    EXPECT_FALSE(late.ok);
    EXPECT_FALSE(late.error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("late.odt"))));

    suite.reset();
    EXPECT_FALSE(processExists(first));
    EXPECT_FALSE(processExists(second));
}

} // namespace
