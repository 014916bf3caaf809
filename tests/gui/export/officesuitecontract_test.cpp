// What every office suite does, held against the real LibreOffice and the fake the export
// tests use, so the fake promises nothing the office does not do. Each suite's files are
// read into the same facts: the office's packages and PDFs through unzip and poppler, the
// fake's placeholders as the text they are.
#include "export/libreoffice/libreofficesuite.h"
#include "fakeofficesuite.h"
#include "filehelpers.h"

#include <QBuffer>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <type_traits>

namespace {

const QSize PictureSize(400, 300);

// What a file holds, as a user opening it would find it.
struct FileFacts {
    QString format; // "Word 97", "Word 2007", "Excel 2007", "PowerPoint 2007", "PDF"
    QString text;
    int images = 0;
    // A workbook's cells on each sheet; a presentation's pictures on each slide, centred and
    // as large as fits with their proportions kept.
    QList<int> parts;
    bool landscape = false;
};

QString run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString textOfXml(QString xml) {
    xml.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return xml.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
}

// The pictures on a slide that are centred, as large as the slide allows and in the
// proportions of PictureSize (to 0.1 mm: sizes are rounded to hundredths of millimetres on
// the way to the file).
int wellPlacedPictures(const QString &slideXml, const QString &presentationXml) {
    const QRegularExpressionMatch slide =
        QRegularExpression(QStringLiteral("<p:sldSz cx=\"(\\d+)\" cy=\"(\\d+)\""))
            .match(presentationXml);
    const qint64 width = slide.captured(1).toLongLong(), height = slide.captured(2).toLongLong();
    auto boxes = QRegularExpression(QStringLiteral("<p:pic>.*?<a:off x=\"(\\d+)\" y=\"(\\d+)\"/>"
                                                   "<a:ext cx=\"(\\d+)\" cy=\"(\\d+)\""))
                     .globalMatch(slideXml);
    const qint64 slack = 3600;
    int count = 0;
    while (boxes.hasNext()) {
        const QRegularExpressionMatch box = boxes.next();
        const qint64 x = box.captured(1).toLongLong(), y = box.captured(2).toLongLong();
        const qint64 w = box.captured(3).toLongLong(), h = box.captured(4).toLongLong();
        const bool centred =
            std::abs(2 * x + w - width) < slack && std::abs(2 * y + h - height) < slack;
        const bool fits = std::abs(w - width) < slack || std::abs(h - height) < slack;
        const double proportions = double(PictureSize.width()) / PictureSize.height();
        count += centred && fits && std::abs(double(w) / h - proportions) < 0.01 ? 1 : 0;
    }
    return count;
}

void readPackage(const QString &path, FileFacts &facts) {
    const QStringList members = run(QStringLiteral("unzip"), {QStringLiteral("-Z1"), path})
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const auto member = [&path](const QString &name) {
        return run(QStringLiteral("unzip"), {QStringLiteral("-p"), path, name});
    };
    const QString presentation = member(QStringLiteral("ppt/presentation.xml"));
    const QRegularExpression partName(QStringLiteral("^(xl/worksheets/sheet|ppt/slides/slide)(\\d+)"
                                                     "\\.xml$"));
    QMap<int, int> parts;
    for (const QString &name : members) {
        facts.images += name.contains(QLatin1String("/media/")) ? 1 : 0;
        if (!name.endsWith(QLatin1String(".xml")) || name.startsWith(QLatin1Char('[')))
            continue;
        const QString xml = member(name);
        facts.text += textOfXml(xml);
        if (const auto part = partName.match(name); part.hasMatch())
            parts[part.captured(2).toInt()] = part.captured(1).startsWith(QLatin1Char('x'))
                                                  ? int(xml.count(QLatin1String("<c ")))
                                                  : wellPlacedPictures(xml, presentation);
    }
    facts.parts = parts.values();
    for (const auto &[main, format] : {std::pair{"word/document.xml", "Word 2007"},
                                       {"xl/workbook.xml", "Excel 2007"},
                                       {"ppt/presentation.xml", "PowerPoint 2007"}})
        facts.format = members.contains(QLatin1String(main)) ? format : facts.format;
}

FileFacts officeFacts(const QString &path) {
    const QByteArray bytes = fileBytes(path);
    FileFacts facts;
    if (bytes.startsWith("%PDF")) {
        facts.format = QStringLiteral("PDF");
        facts.text = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        // One line per image: its page, number and type.
        facts.images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                           .count(QRegularExpression(QStringLiteral("^ *\\d+ +\\d+ +image "),
                                                     QRegularExpression::MultilineOption));
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)"))
                .match(run(QStringLiteral("pdfinfo"), {path}));
        facts.landscape = size.captured(1).toDouble() > size.captured(2).toDouble();
    } else if (bytes.startsWith("PK")) {
        readPackage(path, facts);
    } else if (bytes.contains(QByteArray("W\0o\0r\0d\0D\0o\0c\0u\0m\0e\0n\0t", 23))) {
        facts.format = QStringLiteral("Word 97"); // a compound file holding Word's main stream
    }
    return facts;
}

FileFacts placeholderFacts(const QString &path) {
    QStringList lines = QString::fromUtf8(fileBytes(path)).split(QLatin1Char('\n'));
    FileFacts facts;
    if (!lines.first().startsWith(QLatin1String("fake ")))
        return facts;
    facts.format = lines.takeFirst().mid(5);
    facts.text = lines.join(QLatin1Char('\n'));
    facts.images = static_cast<int>(lines.count(QStringLiteral("image")));
    facts.landscape = lines.contains(QStringLiteral("page: landscape"));
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("sheet:")))
            facts.parts.append(
                static_cast<int>(line.mid(6).split(QLatin1Char('|'), Qt::SkipEmptyParts).size()));
        if (line.startsWith(QLatin1String("picture: ")))
            facts.parts.append(1);
    }
    return facts;
}

// A page as the exports hand it over: a heading, escaped and non-ASCII text, a table and a
// picture inlined as a data address.
QByteArray pageHtml() {
    QImage picture(40, 30, QImage::Format_RGB32);
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

const QStringList PageTexts =
    QString::fromUtf8("Harbour Report|Fish & Chips f\xC3\xBCr Gr\xC3\xBC\xC3\x9F"
                      "e|North cell|East cell|South cell|West cell")
        .split(QLatin1Char('|'));

template <typename Suite> class OfficeSuiteContract : public ::testing::Test {
protected:
    static constexpr bool IsFake = std::is_same_v<Suite, FakeOfficeSuite>;

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(office.isAvailable()) << "LibreOffice is not installed";
        putFile(path(QStringLiteral("page.html")), pageHtml());
    }
    QString path(const QString &name) const { return folder.filePath(name); }
    FileFacts facts(const QString &name) const {
        return IsFake ? placeholderFacts(path(name)) : officeFacts(path(name));
    }
    // The files of the folder: nothing but what was asked for, no temporary or lock files.
    QStringList files() const {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    bool saved(OfficeDocument document, const QString &name, OfficeFormat format) {
        const OfficeResult result = office.save(document, path(name), format);
        EXPECT_TRUE(result.ok) << result.error.toStdString();
        return result.ok;
    }
    // A text document of the page htmlName, from the template (blank for none).
    OfficeDocument textDocument(const QString &templatePath, const QString &htmlName) {
        const auto document = office.newTextDocument(templatePath);
        EXPECT_TRUE(document.ok()) << document.error().toStdString();
        const OfficeResult inserted = office.insertHtml(document.value, path(htmlName));
        EXPECT_TRUE(inserted.ok) << inserted.error.toStdString();
        return document.value;
    }

    QTemporaryDir folder;
    std::unique_ptr<OfficeSuite> made = [this]() -> std::unique_ptr<OfficeSuite> {
        if constexpr (IsFake)
            return std::make_unique<FakeOfficeSuite>();
        else
            return std::make_unique<LibreOfficeSuite>(folder.filePath(QStringLiteral("profile")));
    }();
    OfficeSuite &office = *made;
};

using Suites = ::testing::Types<FakeOfficeSuite, LibreOfficeSuite>;
TYPED_TEST_SUITE(OfficeSuiteContract, Suites);

TYPED_TEST(OfficeSuiteContract, ATextDocumentHoldsItsTemplateAndThePageAndLeavesTheTemplate) {
    OfficeSuite &office = this->office;
    putFile(this->path("letterhead.html"),
            "<html><body><p>Letterhead of the template</p></body></html>");
    const QString templatePath = this->path("Template.Doc");
    const OfficeDocument blank = this->textDocument(QString(), "letterhead.html");
    ASSERT_TRUE(office.save(blank, templatePath, OfficeFormat::Word97).ok);
    ASSERT_TRUE(office.close(blank).ok);
    const QByteArray templateBytes = fileBytes(templatePath);

    const OfficeDocument document = this->textDocument(templatePath, "page.html");
    const QString word = QStringLiteral("Page \xC3\xBC.docx");
    ASSERT_TRUE(this->saved(document, word, OfficeFormat::Word2007));
    ASSERT_TRUE(office.exportPdf(document, this->path("page.pdf")).ok);
    ASSERT_TRUE(office.close(document).ok);

    EXPECT_EQ(fileBytes(templatePath), templateBytes);
    EXPECT_EQ(this->facts("Template.Doc").format, "Word 97");
    for (const auto &[name, format] : {std::pair{word, "Word 2007"}, {"page.pdf", "PDF"}}) {
        const FileFacts facts = this->facts(name);
        EXPECT_EQ(facts.format, format);
        EXPECT_EQ(facts.images, 1) << format;
        for (const QString &text : PageTexts + QStringList{"Letterhead of the template"})
            EXPECT_TRUE(facts.text.contains(text)) << text.toStdString() << " in " << format;
    }
    // The template came from a blank document, which is in landscape.
    EXPECT_TRUE(this->facts("page.pdf").landscape);
    EXPECT_EQ(this->files(),
              QStringList({word, "Template.Doc", "letterhead.html", "page.html", "page.pdf"}));
}

TYPED_TEST(OfficeSuiteContract, AFailedCallNamesItsFileLeavesNothingThereAndTheDocumentGoesOn) {
    OfficeSuite &office = this->office;
    const OfficeDocument document = this->textDocument(QString(), "page.html");
    const QString notes = this->path("notes.txt");
    putFile(notes, "notes");
    // A folder whose name a file has taken, and one even root cannot write in.
    const QString intoFile = notes + QStringLiteral("/page.doc");
    const QString intoProc = QStringLiteral("/proc/quorttrans-page.pdf");
    const QString unfit = this->path("page.xls");
    const QString missing = this->path("missing.html");
    const QList<std::pair<QString, OfficeResult>> failures = {
        {intoFile, office.save(document, intoFile, OfficeFormat::Word97)},
        {intoProc, office.exportPdf(document, intoProc)},
        {unfit, office.save(document, unfit, OfficeFormat::Excel97)},
        {missing, office.insertHtml(document, missing)},
        {missing, office.newTextDocument(missing).result},
        {missing, office.newWorkbookFromHtml(missing).result},
        {missing, office.openPresentation(missing).result},
    };
    for (const auto &[file, result] : failures) {
        EXPECT_FALSE(result.ok) << file.toStdString();
        EXPECT_TRUE(result.error.contains(file)) << result.error.toStdString();
        EXPECT_FALSE(QFileInfo::exists(file)) << file.toStdString();
    }

    ASSERT_TRUE(this->saved(document, "page.odt", OfficeFormat::OdfText));
    EXPECT_TRUE(office.close(document).ok);
    EXPECT_TRUE(this->facts("page.odt").text.contains("Harbour Report"));
    EXPECT_EQ(fileBytes(notes), QByteArray("notes"));
    EXPECT_EQ(this->files(), QStringList({"notes.txt", "page.html", "page.odt"}));
}

TYPED_TEST(OfficeSuiteContract, AWorkbookHoldsThePageTablesAndSlidesTheirPicturesInOrder) {
    OfficeSuite &office = this->office;
    const auto workbook = office.newWorkbookFromHtml(this->path("page.html"));
    ASSERT_TRUE(workbook.ok()) << workbook.error().toStdString();
    ASSERT_TRUE(this->saved(workbook.value, "tables.xlsx", OfficeFormat::Excel2007));
    ASSERT_TRUE(office.close(workbook.value).ok);
    const FileFacts tables = this->facts("tables.xlsx");
    EXPECT_EQ(tables.format, "Excel 2007");
    for (const QString &cell : PageTexts.mid(2))
        EXPECT_TRUE(tables.text.contains(cell)) << cell.toStdString();
    // The page's sheet comes in front of the empty one a workbook starts with.
    ASSERT_EQ(tables.parts.size(), 2);
    EXPECT_GE(tables.parts[0], 4);
    EXPECT_EQ(tables.parts[1], 0);

    QImage picture(PictureSize, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    const QString image = this->path("page.png");
    ASSERT_TRUE(picture.save(image));
    const auto presentation = office.newPresentation();
    ASSERT_TRUE(presentation.ok()) << presentation.error().toStdString();
    EXPECT_EQ(office.addPictureSlide(presentation.value, image).value, 1);
    EXPECT_EQ(office.addPictureSlide(presentation.value, image).value, 2);
    ASSERT_TRUE(this->saved(presentation.value, "slides.pptx", OfficeFormat::PowerPoint2007));
    ASSERT_TRUE(office.close(presentation.value).ok);
    const auto reopened = office.openPresentation(this->path("slides.pptx"));
    ASSERT_TRUE(reopened.ok()) << reopened.error().toStdString();
    EXPECT_EQ(office.addPictureSlide(reopened.value, image).value, 3);
    ASSERT_TRUE(this->saved(reopened.value, "more slides.pptx", OfficeFormat::PowerPoint2007));
    ASSERT_TRUE(office.close(reopened.value).ok);
    EXPECT_EQ(this->facts("slides.pptx").parts, QList<int>({1, 1}));
    const FileFacts slides = this->facts("more slides.pptx");
    EXPECT_EQ(slides.format, "PowerPoint 2007");
    EXPECT_EQ(slides.parts, QList<int>({1, 1, 1}));
}
} // namespace
