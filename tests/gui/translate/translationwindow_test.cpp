#include "core/captions.h"
#include "core/programstate.h"
#include "support/fakewebview.h"
#include "translate/selectiontranslation.h"
#include "translate/translationrequest.h"
#include "translate/translationwindow.h"
#include "translationtesthelpers.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

TranslationRequest requestFor(const QString &text) {
    return TranslationRequest::build(QStringLiteral("translate.test"), text, QStringLiteral("de"),
                                     QStringLiteral("en"));
}

TranslationRequest longRequest() {
    return requestFor(QStringLiteral("Wort ").repeated(3000));
}

FakeWebView *fakeWeb1(const TranslationWindow &window) {
    return qobject_cast<FakeWebView *>(window.resultView());
}

class TranslationWindowTest : public ::testing::Test {
protected:
    LanguageFile english = shippedLanguage(QStringLiteral("English"));
    TranslationWindow window{english, [](QWidget *parent) { return new FakeWebView(parent); }};
    QLabel *shortenedNotice = window.findChild<QLabel *>(QStringLiteral("shortenedNotice"));
};

} // namespace

TEST_F(TranslationWindowTest, ATranslationIsShownInWeb1UnderCaption223) {
    ASSERT_NE(fakeWeb1(window), nullptr);
    EXPECT_FALSE(window.isVisible());
    const TranslationRequest request = requestFor(QStringLiteral("Guten Tag"));
    window.showTranslation(request);

    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.windowModality(), Qt::NonModal);
    EXPECT_EQ(window.objectName(), "frmShow");
    EXPECT_EQ(window.windowTitle(), "QuortTrans translation");
    EXPECT_EQ(window.windowTitle(), english.caption(Captions::TranslationWindowTitle));
    EXPECT_EQ(window.resultView()->objectName(), "Web1");
    EXPECT_EQ(fakeWeb1(window)->navigations(), QStringList{request.address()});
}

TEST_F(TranslationWindowTest, TheFirstShowingTakesMostOfTheScreenInItsCentre) {
    window.showTranslation(requestFor(QStringLiteral("a")));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize size(qRound(screen.width() * 0.7), qRound(screen.height() * 0.9));
    EXPECT_EQ(window.size(), size);
    EXPECT_EQ(window.pos(), QPoint(screen.left() + (screen.width() - size.width()) / 2,
                                   screen.top() + (screen.height() - size.height()) / 2));
}

TEST_F(TranslationWindowTest, TheUsersPlacementIsKeptForTheNextTranslation) {
    window.showTranslation(requestFor(QStringLiteral("a")));
    window.setGeometry(10, 20, 300, 200);
    window.hide(); // the close box hides it
    window.showTranslation(requestFor(QStringLiteral("b")));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QRect(10, 20, 300, 200));
    EXPECT_EQ(fakeWeb1(window)->navigations().size(), 2);
}

TEST_F(TranslationWindowTest, Web1FillsTheWindowWhenThereIsNothingToTell) {
    window.showTranslation(requestFor(QStringLiteral("a")));
    ASSERT_TRUE(waitUntil([&] { return window.resultView()->geometry() == window.rect(); }))
        << window.resultView()->geometry().width() << "x"
        << window.resultView()->geometry().height();
    EXPECT_TRUE(shortenedNotice->isHidden());
    window.resize(500, 400);
    EXPECT_TRUE(
        waitUntil([&] { return window.resultView()->geometry() == QRect(0, 0, 500, 400); }));
}

TEST_F(TranslationWindowTest, AShortenedTextIsToldAboveThePageUntilTheNextTranslation) {
    ASSERT_NE(shortenedNotice, nullptr);
    window.showTranslation(longRequest());
    EXPECT_TRUE(shortenedNotice->isVisible());
    EXPECT_EQ(
        shortenedNotice->text(),
        QStringLiteral("The selected text was too long; only its beginning has been translated."));
    EXPECT_EQ(shortenedNotice->accessibleName(), shortenedNotice->text());
    EXPECT_LE(shortenedNotice->geometry().bottom(), window.resultView()->geometry().top());

    window.showTranslation(requestFor(QStringLiteral("kurz")));
    EXPECT_FALSE(shortenedNotice->isVisible());
}

TEST_F(TranslationWindowTest, TextsFollowTheCurrentLanguage) {
    window.showTranslation(requestFor(QStringLiteral("a")));
    EXPECT_EQ(window.accessibleName(), "QuortTrans translation");
    EXPECT_EQ(window.resultView()->accessibleName(), "QuortTrans translation");
    auto *failureNotice = window.findChild<QLabel *>(QStringLiteral("failureNotice"));
    ASSERT_NE(failureNotice, nullptr);
    EXPECT_EQ(failureNotice->text(), "The translation service could not be reached.");
    EXPECT_TRUE(failureNotice->isHidden());

    const LanguageFile german = shippedLanguage(QStringLiteral("Deutsch"));
    ASSERT_FALSE(german.caption(Captions::TranslationWindowTitle).isEmpty());
    ASSERT_NE(german.caption(Captions::TranslationWindowTitle), "QuortTrans translation");
    window.applyLanguageTexts(german);
    EXPECT_EQ(window.windowTitle(), german.caption(Captions::TranslationWindowTitle));
    EXPECT_EQ(window.resultView()->accessibleName(),
              german.caption(Captions::TranslationWindowTitle));
    EXPECT_EQ(failureNotice->text(), german.caption(Captions::ServiceUnreachable));
    EXPECT_EQ(failureNotice->accessibleName(), failureNotice->text());
}

namespace {

// The pieces as the main window holds them, with fake views for the tab and for Web1.
class SelectionTranslationTest : public ::testing::Test {
protected:
    SelectionTranslationTest() {
        state.language = shippedLanguage(QStringLiteral("English"));
        state.sourceLanguage = QStringLiteral("de");
        state.settings.myLanguage = QStringLiteral("en");
        translation.translator().setLeftButtonState([] { return false; });
    }

    // The answer comes once the pairs on this computer are known (de to en is not one).
    void translate(const QString &text) {
        tab.setSelectedText(text);
        const qsizetype before = shownPages();
        translation.translator().translateSelection();
        waitUntil([&] { return shownPages() > before; });
    }

    qsizetype shownPages() const {
        return translation.window()
                   ? qobject_cast<FakeWebView *>(translation.window()->resultView())
                         ->navigations()
                         .size()
                   : 0;
    }

    ProgramState state;
    FakeWebView tab;
    QTimer selectionTimer;
    QWidget owner;
    SelectionTranslation translation{selectionTimer, state, [this] { return &tab; }, &owner,
                                     [](QWidget *parent) { return new FakeWebView(parent); }};
};

} // namespace

TEST_F(SelectionTranslationTest, FrmShowIsMadeOnFirstUseAndThenReused) {
    EXPECT_EQ(translation.window(), nullptr);
    translate(QStringLiteral("eins"));
    TranslationWindow *first = translation.window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->isWindow());

    translate(QStringLiteral("zwei"));
    EXPECT_EQ(translation.window(), first);
    EXPECT_EQ(visibleWindows(QStringLiteral("frmShow")).size(), 1);
    const QStringList shown = qobject_cast<FakeWebView *>(first->resultView())->navigations();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[1].contains(QStringLiteral("text=zwei&")));
}

TEST_F(SelectionTranslationTest, SwitchingTheModeOnReadiesFrmShowHiddenForTheFirstResult) {
    ASSERT_TRUE(translation.chooseSourceLanguage(QStringLiteral("German")));
    ASSERT_TRUE(waitUntil([&] { return shownPages() == 1; }));
    TranslationWindow *readied = translation.window();
    EXPECT_FALSE(readied->isVisible());
    EXPECT_TRUE(visibleWindows(QStringLiteral("frmShow")).isEmpty());

    translate(QStringLiteral("eins"));
    EXPECT_EQ(translation.window(), readied);
    EXPECT_TRUE(readied->isVisible());
    EXPECT_TRUE(qobject_cast<FakeWebView *>(readied->resultView())
                    ->navigations()
                    .constLast()
                    .contains(QStringLiteral("text=eins&")));
}

TEST_F(SelectionTranslationTest, ALanguageSwitchReachesAnOpenWindow) {
    translate(QStringLiteral("eins"));
    state.language = shippedLanguage(QStringLiteral("Deutsch"));
    translation.applyLanguageTexts();
    EXPECT_EQ(translation.window()->windowTitle(),
              state.language.caption(Captions::TranslationWindowTitle));
}

TEST_F(SelectionTranslationTest, TheOwnerTakesTheWindowAwayWithIt) {
    auto owner2 = std::make_unique<QWidget>();
    SelectionTranslation other{selectionTimer, state, [this] { return &tab; }, owner2.get(),
                               [](QWidget *parent) { return new FakeWebView(parent); }};
    tab.setSelectedText(QStringLiteral("eins"));
    other.translator().translateSelection();
    ASSERT_TRUE(waitUntil([&] { return other.window() != nullptr; }));
    EXPECT_EQ(other.window()->parentWidget(), owner2.get());
    owner2.reset();
    EXPECT_EQ(other.window(), nullptr);
}
