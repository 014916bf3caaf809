// The about window: its texts, its look, its place on the screen and what it opens.
#include "commandbar/barstyles.h"
#include "commandbar/windowcommandbar.h"
#include "core/version.h"
#include "windows/aboutwindow.h"
#include "windowstestsupport.h"

#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>

namespace {

const QUrl
    HelpPage(QStringLiteral("https://quorttrans.example.org/quorttrans/quorttranshelp.html"));
const QUrl FirstSite(QStringLiteral("https://quorttrans.example.org/"));
const QUrl SecondSite(QStringLiteral("https://quorttrans.example.org/guides/"));
const QUrl MailAddress(QStringLiteral("mailto:developers@quorttrans.example.org"));

class AboutWindowTest : public WindowsTest {};

QString labelText(const AboutWindow &window, const char *name) {
    const auto *label = window.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

QLabel *label(const AboutWindow &window, const char *name) {
    return window.findChild<QLabel *>(QLatin1String(name));
}

TEST_F(AboutWindowTest, ShowsTheProgramsTextsInEnglish) {
    state.renderer = QStringLiteral("software (no GPU: llvmpipe)");
    AboutWindow window(context());
    window.show();

    EXPECT_EQ(window.windowTitle(), QStringLiteral("About QuortTrans"));
    EXPECT_EQ(labelText(window, "lblTitle"), QStringLiteral("QuortTrans"));
    EXPECT_EQ(labelText(window, "lblVersion"), QStringLiteral("Version " QUORTTRANS_VERSION));
    EXPECT_EQ(labelText(window, "lblRenderer"), "Renderer: software (no GPU: llvmpipe)");
    EXPECT_EQ(label(window, "lblRenderer")->accessibleName(), labelText(window, "lblRenderer"));
    EXPECT_EQ(labelText(window, "Label1"), QStringLiteral("Made by the QuortTrans developers"));
    EXPECT_EQ(labelText(window, "lblDescription"), QStringLiteral("Visit:"));
    EXPECT_EQ(labelText(window, "lbVisitB"), QStringLiteral("Visit:"));
    EXPECT_EQ(labelText(window, "lbSite"), QStringLiteral("quorttrans.example.org"));
    EXPECT_EQ(labelText(window, "Label3"), QStringLiteral("quorttrans.example.org/guides"));
    EXPECT_EQ(labelText(window, "lbDescr"),
              QStringLiteral("News, downloads and help for QuortTrans."));
    EXPECT_EQ(labelText(window, "lbDescrB"),
              QStringLiteral("Guides to reading and translating the web."));
    EXPECT_TRUE(labelText(window, "lblDisclaimer").startsWith("This program comes without any"));
    EXPECT_EQ(barAction(window.toolBar(), QStringLiteral("ABOUTOK"))->text(), QStringLiteral("OK"));
    EXPECT_EQ(barAction(window.toolBar(), QStringLiteral("ABOUTHELP"))->text(),
              QStringLiteral("Help"));
    for (const char *name :
         {"lblTitle", "lblVersion", "lblRenderer", "lbDescr", "lbDescrB", "lblDisclaimer"})
        EXPECT_TRUE(label(window, name)->isVisible()) << name;
}

TEST_F(AboutWindowTest, ShowsTheProgramsTextsInGerman) {
    loadLanguage(QStringLiteral("Deutsch"));
    AboutWindow window(context());
    window.show();

    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Über QuortTrans"));
    EXPECT_EQ(labelText(window, "lblVersion"), QStringLiteral("Version " QUORTTRANS_VERSION));
    EXPECT_EQ(labelText(window, "lblDescription"), QStringLiteral("Besuchen Sie:"));
    EXPECT_EQ(labelText(window, "lbVisitB"), QStringLiteral("Besuchen Sie:"));
    EXPECT_EQ(labelText(window, "lbDescr"),
              QString::fromUtf8("Neuigkeiten, Downloads und Hilfe zu QuortTrans."));
    EXPECT_EQ(labelText(window, "lbDescrB"),
              QString::fromUtf8("Anleitungen zum Lesen und Übersetzen im Web."));
    EXPECT_TRUE(labelText(window, "lblDisclaimer").startsWith("Dieses Programm wird ohne"));
    EXPECT_EQ(barAction(window.toolBar(), QStringLiteral("ABOUTHELP"))->text(),
              QStringLiteral("Hilfe"));
    // Fixed texts stay as they are.
    EXPECT_EQ(labelText(window, "lblTitle"), QStringLiteral("QuortTrans"));
    EXPECT_EQ(labelText(window, "Label1"), QStringLiteral("Made by the QuortTrans developers"));
}

TEST_F(AboutWindowTest, HasTheProgramsLightBlueBackground) {
    AboutWindow window(context());
    window.show();
    const QImage picture = window.grab().toImage();
    ASSERT_FALSE(picture.isNull());
    // A corner of the window, away from every label.
    EXPECT_EQ(picture.pixelColor(3, 3), QColor(132, 171, 227));
    EXPECT_TRUE(window.isModal());
}

TEST_F(AboutWindowTest, TheBarTakesTheSelectedStyle) {
    barStyle = BarStyles::Money;
    AboutWindow window(context());
    window.show();
    EXPECT_FALSE(window.toolBar()->styleSheet().isEmpty());
    EXPECT_EQ(window.toolBar()->styleSheet(), BarStyles::toolBarStyleSheet(BarStyles::Money));
}

TEST_F(AboutWindowTest, OpensCentredWhereverItWasMovedTo) {
    AboutWindow window(context());
    const QPoint centre = window.screen()->geometry().center();
    window.show();
    EXPECT_LE((window.frameGeometry().center() - centre).manhattanLength(), 1);

    window.move(centre.x() / 4, centre.y() / 4);
    EXPECT_GT((window.frameGeometry().center() - centre).manhattanLength(), 10);
    clickBar(window.toolBar(), QStringLiteral("ABOUTOK"));
    window.show();
    EXPECT_LE((window.frameGeometry().center() - centre).manhattanLength(), 1);
}

TEST_F(AboutWindowTest, OkClosesWithoutOpeningAnything) {
    AboutWindow window(context());
    window.show();
    clickBar(window.toolBar(), QStringLiteral("ABOUTOK"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(AboutWindowTest, HelpOpensTheHelpPageAndCloses) {
    AboutWindow window(context());
    window.show();
    clickBar(window.toolBar(), QStringLiteral("ABOUTHELP"));
    EXPECT_EQ(desktop.opened, QStringList{HelpPage.toString()});
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(notifier.messages.isEmpty());
}

TEST_F(AboutWindowTest, AHelpPageThatCannotBeOpenedIsReported) {
    desktop.answer = false;
    AboutWindow window(context());
    window.show();
    clickBar(window.toolBar(), QStringLiteral("ABOUTHELP"));
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages.first().contains(HelpPage.toString()));
    EXPECT_TRUE(notifier.messages.first().contains(QStringLiteral("could not be opened")));
}

TEST_F(AboutWindowTest, ClicksCarryIndexSevenAndOtherIndexesAreIgnored) {
    AboutWindow window(context());
    QSignalSpy clicks(&window.commandBar().presenter(), &CommandBarPresenter::buttonClick);
    window.show();

    window.buttonClick(5, QStringLiteral("ABOUTHELP"));
    window.buttonClick(6, QStringLiteral("ABOUTOK"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(desktop.opened.isEmpty());

    clickBar(window.toolBar(), QStringLiteral("ABOUTHELP"));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 7);
    EXPECT_EQ(clicks.at(0).at(1).toString(), QStringLiteral("ABOUTHELP"));
}

TEST_F(AboutWindowTest, LinkLabelsLookLikeLinksAndOpenTheirAddresses) {
    AboutWindow window(context());
    window.show();

    const struct {
        const char *name;
        QUrl address;
    } links[] = {{"Label1", MailAddress},
                 {"lbSite", FirstSite},
                 {"lblDescription", FirstSite},
                 {"Label3", SecondSite}};
    for (const auto &link : links) {
        QLabel *shown = label(window, link.name);
        ASSERT_NE(shown, nullptr) << link.name;
        EXPECT_TRUE(shown->font().underline()) << link.name;
        EXPECT_EQ(shown->cursor().shape(), Qt::PointingHandCursor) << link.name;
        desktop.opened.clear();
        QTest::mouseClick(shown, Qt::LeftButton);
        EXPECT_EQ(desktop.opened, QStringList{QUrl(link.address).toString()}) << link.name;
        EXPECT_TRUE(window.isVisible()) << link.name;
    }
    // Plain texts are no links.
    desktop.opened.clear();
    QTest::mouseClick(label(window, "lbVisitB"), Qt::LeftButton);
    QTest::mouseClick(label(window, "lbDescr"), Qt::LeftButton);
    EXPECT_TRUE(desktop.opened.isEmpty());
    EXPECT_FALSE(label(window, "lbDescr")->font().underline());
}

TEST_F(AboutWindowTest, ALinkOpensFromTheKeyboardToo) {
    AboutWindow window(context());
    window.show();
    QTest::keyClick(label(window, "Label3"), Qt::Key_Return);
    EXPECT_EQ(desktop.opened, QStringList{SecondSite.toString()});
}

TEST_F(AboutWindowTest, OpensClosesAndReopensWithTheSameBar) {
    const QStringList bar{"ABOUTOK", "|", "ABOUTHELP", "|"};
    const int bars = registry.bars().count();
    for (int opening = 0; opening < 3; ++opening) {
        AboutWindow window(context());
        window.show();
        EXPECT_EQ(shownEntries(window.toolBar()), bar) << "opening " << opening;
        clickBar(window.toolBar(), QStringLiteral("ABOUTOK"));
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_EQ(registry.bars().count(), bars + 1);

    AboutWindow window(context());
    for (int opening = 0; opening < 2; ++opening) {
        window.show();
        EXPECT_EQ(shownEntries(window.toolBar()), bar);
        clickBar(window.toolBar(), QStringLiteral("ABOUTOK"));
        EXPECT_FALSE(window.isVisible());
    }
}

} // namespace
