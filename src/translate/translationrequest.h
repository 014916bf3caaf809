#pragma once

#include <QString>

// One request to the web translation page: the address `Web1` is sent to, and what it
// carries. Built without any display, so every rule of the address can be tested alone.
class TranslationRequest {
public:
    // Longer addresses are refused by some servers and proxies; the text is cut to fit.
    static constexpr int MaxAddressLength = 8000;
    // The host when the language file names none.
    static QString defaultHost() { return QStringLiteral("translate.google.com"); }
    // The target when `MyLanguage` was never chosen.
    static QString defaultMyLanguage() { return QStringLiteral("en"); }

    // `LangPair`: SourceLanguage "|" MyLanguage, MyLanguage "en" when empty.
    static QString makeLangPair(const QString &sourceLanguage, const QString &myLanguage);

    // "http://" host "/translate_t?hl=en&ie=UTF8&text=" text "&langpair=" source "|" target,
    // the text and both codes percent-encoded as UTF-8 ("|" travels as %7C). A text that
    // would make the address longer than MaxAddressLength is cut at its last blank before
    // the limit, or at the limit itself between two whole characters when it has none.
    static TranslationRequest build(const QString &host, const QString &text,
                                    const QString &sourceLanguage, const QString &myLanguage);

    TranslationRequest() = default;

    QString address() const { return m_address; }
    // The text the address carries: the selection, or its beginning when shortened.
    QString text() const { return m_text; }
    QString langPair() const { return m_langPair; }
    bool shortened() const { return m_shortened; }

private:
    QString m_address;
    QString m_text;
    QString m_langPair;
    bool m_shortened = false;
};
