#include "translate/languagedetector.h"

#include <QFuture>
#include <QRegularExpression>
#include <QtConcurrent/QtConcurrentRun>
#include <cld2/public/compact_lang_det.h>
#include <cld2/public/encodings.h>
#include <utility>

namespace {

int wordCount(const QString &text) {
    int words = 0;
    bool inWord = false;
    for (const QChar c : text) {
        const bool letter = c.isLetterOrNumber();
        if (letter && !inWord)
            ++words;
        if (letter || c.isSpace())
            inWord = letter;
    }
    return words;
}

// "es-ES" and "es_ES" are Spanish to CLD2 as "es".
QByteArray primarySubtag(const QString &langAttribute) {
    const QString tag = langAttribute.trimmed().toLower();
    const qsizetype end = tag.indexOf(QRegularExpression(QStringLiteral("[-_]")));
    return tag.left(end < 0 ? tag.size() : end).toLatin1();
}

} // namespace

QString LanguageDetector::detectNow(const QString &text, const QString &langAttribute) {
    if (wordCount(text) < MinWords)
        return {};
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() > MaxTextBytes) {
        // Cut before a continuation byte never, so the text stays valid UTF-8.
        qsizetype end = MaxTextBytes;
        while (end > 0 && (uchar(utf8.at(end)) & 0xC0) == 0x80)
            --end;
        utf8.truncate(end);
    }
    const QByteArray hint = primarySubtag(langAttribute);
    const CLD2::CLDHints hints = {hint.isEmpty() ? nullptr : hint.constData(), nullptr,
                                  CLD2::UNKNOWN_ENCODING, CLD2::UNKNOWN_LANGUAGE};
    CLD2::Language language3[3];
    int percent3[3];
    double scores3[3];
    int textBytes = 0;
    bool reliable = false;
    int validBytes = 0;
    const CLD2::Language language = CLD2::ExtDetectLanguageSummaryCheckUTF8(
        utf8.constData(), int(utf8.size()), true, &hints, 0, language3, percent3, scores3, nullptr,
        &textBytes, &reliable, &validBytes);
    if (!reliable || language == CLD2::UNKNOWN_LANGUAGE || language3[0] != language ||
        percent3[0] < MinPercent)
        return {};
    // Chinese comes as "zh" or "zh-Hant"; the script is not the language.
    const QString code =
        QString::fromLatin1(CLD2::LanguageCode(language)).section(QLatin1Char('-'), 0, 0);
    return code == QLatin1String("un") ? QString() : code;
}

void LanguageDetector::detect(const QString &text, const QString &langAttribute,
                              std::function<void(const QString &code)> done) {
    QtConcurrent::run(&LanguageDetector::detectNow, text, langAttribute)
        .then(this, [done = std::move(done)](const QString &code) { done(code); });
}
