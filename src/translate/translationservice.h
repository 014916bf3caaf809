#pragma once

#include <QString>
#include <functional>

// What a translation service answers: a page to show that holds the translation (the web
// translation page), or the translated text itself (a translator on this computer), or
// why there is none.
struct Translation {
    QString pageAddress;
    QString text;
    // The selection was too long and only its beginning was sent.
    bool shortened = false;
    // Translated on this computer: text is the translation of source, from one language
    // code into the other.
    bool local = false;
    QString source;
    QString from;
    QString to;
    // Nothing was translated and nothing was sent; detail names the translator that
    // failed and how, in no language ("apertium eng-spa, 10 s"), or is empty when the
    // pair is not installed.
    bool failed = false;
    QString detail;

    bool isPage() const { return !pageAddress.isEmpty(); }
};

// Translates text from one language into another. The answer comes through done, later
// or at once, on the thread that asked; done is called exactly once.
class TranslationService {
public:
    using Done = std::function<void(const Translation &)>;

    virtual ~TranslationService() = default;
    // from and to are language codes ("de", "en"); to may be empty for the default.
    virtual void translate(const QString &text, const QString &from, const QString &to,
                           Done done) = 0;
};
