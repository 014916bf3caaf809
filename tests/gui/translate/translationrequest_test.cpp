#include "translate/translationrequest.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

const QString ShippedHost = QStringLiteral("translate.google.com");
const QString Head = QStringLiteral("http://translate.google.com/translate_t?hl=en&ie=UTF8&text=");
const QString Tail = QStringLiteral("&langpair=de%7Cen");
// Room for the encoded text when host and pair are the ones above.
const qsizetype TextRoom = TranslationRequest::MaxAddressLength - Head.size() - Tail.size();

TranslationRequest build(const QString &text) {
    return TranslationRequest::build(ShippedHost, text, QStringLiteral("de"), QStringLiteral("en"));
}

// The text part as it travels, between "text=" and "&langpair=".
QString rawText(const TranslationRequest &request) {
    const QString address = request.address();
    const qsizetype begin = address.indexOf(QStringLiteral("&text=")) + 6;
    const qsizetype end = address.indexOf(QStringLiteral("&langpair="));
    return address.mid(begin, end - begin);
}

// What a server reads from the query.
QString decodedValue(const TranslationRequest &request, const QString &key) {
    return QUrlQuery(QUrl(request.address()).query(QUrl::FullyEncoded))
        .queryItemValue(key, QUrl::FullyDecoded);
}

} // namespace

TEST(TranslationRequestTest, PlainTextMakesTheWholeAddress) {
    const TranslationRequest request = build(QStringLiteral("Hello"));
    EXPECT_EQ(request.address(),
              "http://translate.google.com/translate_t?hl=en&ie=UTF8&text=Hello&langpair=de%7Cen");
    EXPECT_EQ(request.text(), "Hello");
    EXPECT_EQ(request.langPair(), "de|en");
    EXPECT_FALSE(request.shortened());
}

TEST(TranslationRequestTest, QueryCharactersInTheTextArriveExactly) {
    const QString text = QStringLiteral("Fish & chips #1 | 100% + more=less?");
    const TranslationRequest request = build(text);
    EXPECT_EQ(rawText(request), "Fish%20%26%20chips%20%231%20%7C%20100%25%20%2B%20more%3Dless%3F");
    EXPECT_EQ(decodedValue(request, QStringLiteral("text")), text);
    EXPECT_EQ(decodedValue(request, QStringLiteral("langpair")), "de|en");
    EXPECT_EQ(decodedValue(request, QStringLiteral("hl")), "en");
    EXPECT_EQ(decodedValue(request, QStringLiteral("ie")), "UTF8");
    // Nothing of the text can start a key of its own or end the query.
    EXPECT_EQ(QUrlQuery(QUrl(request.address())).queryItems().size(), 4);
    EXPECT_TRUE(QUrl(request.address()).fragment().isNull());
}

TEST(TranslationRequestTest, LettersBeyondAsciiTravelAsUtf8) {
    EXPECT_EQ(rawText(build(QStringLiteral("café"))), "caf%C3%A9");
    EXPECT_EQ(rawText(build(QStringLiteral("über"))), "%C3%BCber");
    EXPECT_EQ(rawText(build(QStringLiteral("翻译"))), "%E7%BF%BB%E8%AF%91");
    EXPECT_EQ(rawText(build(QStringLiteral("🙂"))), "%F0%9F%99%82");
    const QString mixed = QStringLiteral("Grüße, café et 你好\nnext line\ttab");
    EXPECT_EQ(decodedValue(build(mixed), QStringLiteral("text")), mixed);
}

TEST(TranslationRequestTest, ThePairIsSourceLanguageThenMyLanguage) {
    const TranslationRequest request = TranslationRequest::build(
        ShippedHost, QStringLiteral("bonjour"), QStringLiteral("fr"), QStringLiteral("de"));
    EXPECT_EQ(request.langPair(), "fr|de");
    EXPECT_TRUE(request.address().endsWith(QStringLiteral("&langpair=fr%7Cde")));
    EXPECT_EQ(TranslationRequest::makeLangPair(QStringLiteral("es"), QStringLiteral("it")),
              "es|it");
}

TEST(TranslationRequestTest, MyLanguageNeverChosenTranslatesIntoEnglish) {
    const TranslationRequest request =
        TranslationRequest::build(ShippedHost, QStringLiteral("Hallo"), QStringLiteral("de"), {});
    EXPECT_EQ(request.langPair(), "de|en");
    EXPECT_TRUE(request.address().endsWith(QStringLiteral("&langpair=de%7Cen")));
    EXPECT_EQ(TranslationRequest::makeLangPair({}, {}), "|en");
}

TEST(TranslationRequestTest, CodesFromTheLanguageFileCannotBreakTheQuery) {
    const TranslationRequest request = TranslationRequest::build(
        ShippedHost, QStringLiteral("x"), QStringLiteral("d&e"), QStringLiteral("e n"));
    EXPECT_TRUE(request.address().endsWith(QStringLiteral("&langpair=d%26e%7Ce%20n")));
    EXPECT_EQ(decodedValue(request, QStringLiteral("langpair")), "d&e|e n");
}

TEST(TranslationRequestTest, TheHostComesFromTheLanguageFileOrTheDefault) {
    EXPECT_TRUE(
        TranslationRequest::build(QStringLiteral("127.0.0.1:8080"), QStringLiteral("a"),
                                  QStringLiteral("de"), QStringLiteral("en"))
            .address()
            .startsWith(QStringLiteral("http://127.0.0.1:8080/translate_t?hl=en&ie=UTF8&")));
    EXPECT_TRUE(TranslationRequest::build({}, QStringLiteral("a"), QStringLiteral("de"), {})
                    .address()
                    .startsWith(Head));
    EXPECT_TRUE(TranslationRequest::build(QStringLiteral("   "), QStringLiteral("a"),
                                          QStringLiteral("de"), {})
                    .address()
                    .startsWith(Head));
    EXPECT_EQ(TranslationRequest::defaultHost(), ShippedHost);
}

TEST(TranslationRequestTest, AnAddressOfExactlyTheLimitIsSentWhole) {
    const QString text(TextRoom, QLatin1Char('a'));
    const TranslationRequest request = build(text);
    EXPECT_EQ(request.address().size(), TranslationRequest::MaxAddressLength);
    EXPECT_FALSE(request.shortened());
    EXPECT_EQ(request.text(), text);
}

TEST(TranslationRequestTest, OneCharacterMoreIsCutAtTheLastBlank) {
    const QString text = QString(TextRoom - 10, QLatin1Char('a')) + QStringLiteral(" bbbbbbbbbbb");
    ASSERT_EQ(text.size(), TextRoom + 2);
    const TranslationRequest request = build(text);
    EXPECT_TRUE(request.shortened());
    EXPECT_EQ(request.text(), QString(TextRoom - 10, QLatin1Char('a')));
    EXPECT_EQ(decodedValue(request, QStringLiteral("text")), request.text());
    EXPECT_EQ(decodedValue(request, QStringLiteral("langpair")), "de|en");
}

TEST(TranslationRequestTest, ALongSelectionKeepsAsManyWholeWordsAsFit) {
    QString text;
    for (int word = 0; word < 3000; ++word)
        text += QStringLiteral("Wort%1 ").arg(word);
    const TranslationRequest request = build(text);

    EXPECT_TRUE(request.shortened());
    EXPECT_LE(request.address().size(), TranslationRequest::MaxAddressLength);
    ASSERT_FALSE(request.text().isEmpty());
    EXPECT_TRUE(text.startsWith(request.text()));
    // Cut at a blank, without the blank.
    EXPECT_EQ(text.at(request.text().size()), QLatin1Char(' '));
    EXPECT_FALSE(request.text().endsWith(QLatin1Char(' ')));
    // No further word would have fitted: the next one is at most 10 characters and a blank.
    EXPECT_GT(request.address().size(), TranslationRequest::MaxAddressLength - 3 * 11);
    EXPECT_EQ(decodedValue(request, QStringLiteral("text")), request.text());
}

TEST(TranslationRequestTest, LineBreaksAreWordBoundariesToo) {
    const QString text =
        QString(TextRoom - 20, QLatin1Char('a')) + QStringLiteral("\n") + QString(40, 'b');
    const TranslationRequest request = build(text);
    EXPECT_TRUE(request.shortened());
    EXPECT_EQ(request.text(), QString(TextRoom - 20, QLatin1Char('a')));
}

TEST(TranslationRequestTest, WithoutBlanksTheCutKeepsEveryUtf8SequenceWhole) {
    const QString text = QString(5000, QChar(0x00E9)); // é: six characters encoded
    const TranslationRequest request = build(text);
    EXPECT_TRUE(request.shortened());
    EXPECT_EQ(request.text(), QString(TextRoom / 6, QChar(0x00E9)));
    EXPECT_EQ(rawText(request).size(), (TextRoom / 6) * 6);
    EXPECT_TRUE(rawText(request).endsWith(QStringLiteral("%C3%A9")));
}

TEST(TranslationRequestTest, WithoutBlanksTheCutKeepsEveryPercentEscapeWhole) {
    const QString text = QStringLiteral("a") + QString(4000, QLatin1Char('%'));
    const TranslationRequest request = build(text);
    EXPECT_TRUE(request.shortened());
    const QString raw = rawText(request);
    EXPECT_LE(request.address().size(), TranslationRequest::MaxAddressLength);
    EXPECT_EQ(raw, QStringLiteral("a") + QStringLiteral("%25").repeated((TextRoom - 1) / 3));
    EXPECT_EQ(decodedValue(request, QStringLiteral("text")), request.text());
}

TEST(TranslationRequestTest, WithoutBlanksCharactersOutsideTheBasicPlaneStayWhole) {
    QString text;
    for (int i = 0; i < 1000; ++i)
        text += QStringLiteral("x😀"); // 1 + 12 characters encoded
    const TranslationRequest request = build(text);
    EXPECT_TRUE(request.shortened());
    const QString kept = request.text();
    ASSERT_FALSE(kept.isEmpty());
    EXPECT_FALSE(kept.back().isHighSurrogate());
    EXPECT_TRUE(text.startsWith(kept));
    EXPECT_GT(request.address().size(), TranslationRequest::MaxAddressLength - 12);
    EXPECT_LE(request.address().size(), TranslationRequest::MaxAddressLength);
    EXPECT_EQ(decodedValue(request, QStringLiteral("text")), kept);
}

TEST(TranslationRequestTest, LeadingBlanksBeforeOneLongWordDoNotEmptyTheText) {
    const QString text = QStringLiteral("   ") + QString(9000, QLatin1Char('x'));
    const TranslationRequest request = build(text);
    EXPECT_TRUE(request.shortened());
    EXPECT_EQ(request.address().size(), TranslationRequest::MaxAddressLength);
    EXPECT_EQ(rawText(request), QStringLiteral("%20%20%20") + QString(TextRoom - 9, 'x'));
}
