#include "core/programstate.h"
#include "support/fakewebview.h"
#include "translate/selectiontranslator.h"
#include "translationtesthelpers.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

QString queryValue(const QString &address, const QString &key) {
    return QUrlQuery(QUrl(address).query(QUrl::FullyEncoded))
        .queryItemValue(key, QUrl::FullyDecoded);
}

class SelectionTranslatorTest : public ::testing::Test {
protected:
    SelectionTranslatorTest() {
        state.sourceLanguage = QStringLiteral("de");
        state.settings.myLanguage = QStringLiteral("en");
        state.language.parse({QStringLiteral("TRANSLATE_HOST=translate.test")});
        translator.setLeftButtonState([this] { return buttonDown; });
        QObject::connect(&translator, &SelectionTranslator::translated,
                         [this](const Translation &answer) { requests.append(answer); });
    }

    // One press and release of the left button, as the user gives it.
    void click(Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(&view, button);
        QTest::mouseRelease(&view, button);
    }

    ProgramState state;
    FakeWebView view;
    WebView *current = &view;
    SelectionTranslator translator{state, [this] { return current; }};
    bool buttonDown = false;
    // The web translation page answers with its address, carrying the text.
    QList<Translation> requests;
};

} // namespace

TEST_F(SelectionTranslatorTest, TheButtonSeenDownThenUpTranslatesTheSelectionOnce) {
    view.setSelectedText(QStringLiteral("Guten Tag"));
    buttonDown = true;
    translator.tick();
    EXPECT_TRUE(translator.selectionPending());
    EXPECT_TRUE(requests.isEmpty());

    buttonDown = false;
    translator.tick();
    EXPECT_FALSE(translator.selectionPending());
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].pageAddress,
              "http://translate.test/translate_t?hl=en&ie=UTF8&text=Guten%20Tag"
              "&langpair=de%7Cen");
    EXPECT_EQ(translator.langPair(), "de|en");
    // Read from the page and cleared there; nothing goes through the clipboard.
    EXPECT_EQ(view.commands(), QList<WebView::PageCommand>{WebView::PageCommand::ClearSelection});

    translator.tick();
    EXPECT_EQ(requests.size(), 1);
}

TEST_F(SelectionTranslatorTest, NothingIsTranslatedWhileTheButtonStaysDown) {
    view.setSelectedText(QStringLiteral("Guten"));
    buttonDown = true;
    for (int tick = 0; tick < 3; ++tick)
        translator.tick();
    EXPECT_TRUE(requests.isEmpty());
    EXPECT_TRUE(view.commands().isEmpty());
    buttonDown = false;
    translator.tick();
    EXPECT_EQ(requests.size(), 1);
}

TEST_F(SelectionTranslatorTest, AQuickClickBetweenTwoTicksIsNotMissed) {
    view.setSelectedText(QStringLiteral("schnell"));
    click();
    translator.tick();
    EXPECT_TRUE(translator.selectionPending());
    translator.tick();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(queryValue(requests[0].pageAddress, QStringLiteral("text")), "schnell");
}

TEST_F(SelectionTranslatorTest, TheRightButtonSelectsNothing) {
    view.setSelectedText(QStringLiteral("rechts"));
    click(Qt::RightButton);
    translator.tick();
    EXPECT_FALSE(translator.selectionPending());
    translator.tick();
    EXPECT_TRUE(requests.isEmpty());
}

TEST_F(SelectionTranslatorTest, ASelectionOfBlanksAloneAsksNothing) {
    view.setSelectedText(QStringLiteral(" \n\t "));
    click();
    translator.tick();
    translator.tick();
    EXPECT_TRUE(requests.isEmpty());
    EXPECT_EQ(view.commands(), QList<WebView::PageCommand>{WebView::PageCommand::ClearSelection});
}

TEST_F(SelectionTranslatorTest, TheLanguagesAreReadAtEachTranslation) {
    view.setSelectedText(QStringLiteral("bonjour"));
    state.sourceLanguage = QStringLiteral("fr");
    state.settings.myLanguage.clear();
    translator.translateSelection();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(queryValue(requests[0].pageAddress, QStringLiteral("langpair")), "fr|en");
    EXPECT_EQ(translator.langPair(), "fr|en");

    view.setSelectedText(QStringLiteral("bonjour"));
    state.settings.myLanguage = QStringLiteral("it");
    state.language.parse({QStringLiteral("TRANSLATE_HOST=")});
    translator.translateSelection();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_TRUE(requests[1].pageAddress.startsWith(
        QStringLiteral("http://translate.google.com/translate_t?")));
    EXPECT_EQ(queryValue(requests[1].pageAddress, QStringLiteral("langpair")), "fr|it");
}

TEST_F(SelectionTranslatorTest, TheCurrentTabAtTranslationTimeIsRead) {
    FakeWebView other;
    other.setSelectedText(QStringLiteral("zweiter Tab"));
    view.setSelectedText(QStringLiteral("erster Tab"));
    click();
    translator.tick();
    current = &other;
    translator.tick();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(queryValue(requests[0].pageAddress, QStringLiteral("text")), "zweiter Tab");
    EXPECT_TRUE(view.commands().isEmpty());
}

TEST_F(SelectionTranslatorTest, NoTabAtAllAsksNothing) {
    current = nullptr;
    click();
    translator.tick();
    translator.tick();
    EXPECT_TRUE(requests.isEmpty());
}

namespace {
// A service whose answers come when the test gives them, in any order.
class HeldTranslation : public TranslationService {
public:
    void translate(const QString &text, const QString &, const QString &, Done done) override {
        held.append({text, std::move(done)});
    }
    void answer(int index) {
        Translation answer;
        answer.text = QStringLiteral("translated ") + held[index].first;
        held[index].second(answer);
    }
    QList<std::pair<QString, Done>> held;
};
} // namespace

TEST_F(SelectionTranslatorTest, ALateAnswerToAnEarlierSelectionIsNeverShown) {
    auto service = std::make_unique<HeldTranslation>();
    HeldTranslation &held = *service;
    translator.setService(std::move(service));
    view.setSelectedText(QStringLiteral("erste"));
    translator.translateSelection();
    view.setSelectedText(QStringLiteral("zweite"));
    translator.translateSelection();
    ASSERT_EQ(held.held.size(), 2);

    held.answer(1);
    held.answer(0);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].text, "translated zweite");
}

TEST_F(SelectionTranslatorTest, ReleasingTheButtonOnThePageTranslatesOnceWithoutATick) {
    bool modeOn = true;
    translator.setModeState([&] { return modeOn; });
    view.setSelectedText(QStringLiteral("sofort"));
    click();
    EXPECT_TRUE(requests.isEmpty()); // the page takes the release in first
    ASSERT_TRUE(waitUntil([&] { return !requests.isEmpty(); }));
    EXPECT_EQ(queryValue(requests[0].pageAddress, QStringLiteral("text")), "sofort");

    // The ticks after it find nothing left to do, even with the text still selected.
    view.setSelectedText(QStringLiteral("sofort"));
    translator.tick();
    translator.tick();
    EXPECT_FALSE(translator.selectionPending());
    EXPECT_EQ(requests.size(), 1);

    // With the mode off a release does nothing.
    modeOn = false;
    click();
    QCoreApplication::processEvents();
    EXPECT_EQ(requests.size(), 1);
}
