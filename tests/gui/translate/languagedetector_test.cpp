// The page's language by CLD2, on real paragraphs, answered on the asking thread.
#include "filehelpers.h"
#include "translate/languagedetector.h"
#include "waituntil.h"

#include <QThread>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QString Spanish = QStringLiteral(
    "La ciudad amaneció cubierta de niebla y los vecinos salieron temprano a las calles para "
    "comprar pan en la panadería de la esquina. El alcalde anunció ayer que las obras del "
    "nuevo mercado comenzarán en primavera, aunque muchos comerciantes temen que el proyecto "
    "se retrase otra vez por falta de presupuesto.");
const QString English = QStringLiteral(
    "The city woke up covered in fog and the neighbours went out early to buy bread at the "
    "bakery on the corner. The mayor announced yesterday that work on the new market will "
    "begin in spring, although many traders fear that the project will be delayed once again "
    "for lack of money.");
const QString German = QStringLiteral(
    "Die Stadt erwachte im Nebel, und die Nachbarn gingen früh auf die Straße, um an der Ecke "
    "beim Bäcker Brot zu kaufen. Der Bürgermeister kündigte gestern an, dass die Arbeiten am "
    "neuen Markt im Frühling beginnen, obwohl viele Händler fürchten, dass sich das Vorhaben "
    "wegen fehlender Mittel erneut verzögert.");

TEST(LanguageDetector, NamesTheLanguageOfAParagraph) {
    EXPECT_EQ(LanguageDetector::detectNow(Spanish, QString()), QStringLiteral("es"));
    EXPECT_EQ(LanguageDetector::detectNow(English, QStringLiteral("en-GB")), QStringLiteral("en"));
    // A wrong lang attribute is a hint, not the answer.
    EXPECT_EQ(LanguageDetector::detectNow(German, QStringLiteral("en")), QStringLiteral("de"));
}

TEST(LanguageDetector, ShortTextIsUnknown) {
    EXPECT_EQ(LanguageDetector::detectNow(QStringLiteral("La ciudad amaneció cubierta de niebla "
                                                         "y los vecinos salieron temprano."),
                                          QStringLiteral("es")),
              QString());
    EXPECT_EQ(LanguageDetector::detectNow(QString(), QString()), QString());
}

TEST(LanguageDetector, AnswersOnTheAskingThread) {
    LanguageDetector detector;
    std::optional<QString> answer;
    QThread *answeredOn = nullptr;
    detector.detect(Spanish, QStringLiteral("es"), [&](const QString &code) {
        answer = code;
        answeredOn = QThread::currentThread();
    });
    ASSERT_TRUE(waitUntil([&] { return answer.has_value(); }));
    EXPECT_EQ(*answer, QStringLiteral("es"));
    EXPECT_EQ(answeredOn, QThread::currentThread());
}

} // namespace
