#include "translate/translationrequest.h"

#include <QUrl>
#include <algorithm>

namespace {

QString encoded(const QString &text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString myLanguageOrDefault(const QString &myLanguage) {
    return myLanguage.isEmpty() ? TranslationRequest::defaultMyLanguage() : myLanguage;
}

// Where the character starting at index ends: a surrogate pair is one character.
qsizetype characterEnd(const QString &text, qsizetype index) {
    if (text[index].isHighSurrogate() && index + 1 < text.size() &&
        text[index + 1].isLowSurrogate())
        return index + 2;
    return index + 1;
}

// The length of the longest beginning of text whose encoding fits into budget. Counted
// in whole characters, so the cut never splits a UTF-8 sequence or a percent escape.
qsizetype fittingLength(const QString &text, qsizetype budget) {
    qsizetype used = 0;
    qsizetype index = 0;
    while (index < text.size()) {
        const qsizetype next = characterEnd(text, index);
        used += encoded(text.mid(index, next - index)).size();
        if (used > budget)
            break;
        index = next;
    }
    return index;
}

QString withoutTrailingSpace(const QString &text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.left(end);
}

// The beginning of text that fits: up to its last blank within the limit (the blank
// just past the limit counts), or the whole fitting part when no word ends in it.
QString cutToFit(const QString &text, qsizetype budget) {
    const qsizetype fitting = fittingLength(text, budget);
    for (qsizetype index = std::min(fitting, text.size() - 1); index > 0; --index) {
        if (!text[index].isSpace())
            continue;
        const QString words = withoutTrailingSpace(text.left(index));
        if (!words.isEmpty())
            return words;
        break;
    }
    return text.left(fitting);
}

} // namespace

QString TranslationRequest::makeLangPair(const QString &sourceLanguage, const QString &myLanguage) {
    return sourceLanguage + QLatin1Char('|') + myLanguageOrDefault(myLanguage);
}

TranslationRequest TranslationRequest::build(const QString &host, const QString &text,
                                             const QString &sourceLanguage,
                                             const QString &myLanguage) {
    const QString trimmedHost = host.trimmed();
    const QString head = QStringLiteral("http://") +
                         (trimmedHost.isEmpty() ? defaultHost() : trimmedHost) +
                         QStringLiteral("/translate_t?hl=en&ie=UTF8&text=");
    const QString tail = QStringLiteral("&langpair=") + encoded(sourceLanguage) +
                         QStringLiteral("%7C") + encoded(myLanguageOrDefault(myLanguage));

    TranslationRequest request;
    request.m_langPair = makeLangPair(sourceLanguage, myLanguage);
    request.m_text = text;
    QString textPart = encoded(text);
    const qsizetype budget = std::max<qsizetype>(0, MaxAddressLength - head.size() - tail.size());
    if (textPart.size() > budget) {
        request.m_text = cutToFit(text, budget);
        request.m_shortened = true;
        textPart = encoded(request.m_text);
    }
    request.m_address = head + textPart + tail;
    return request;
}
