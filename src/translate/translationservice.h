#pragma once

#include <QString>
#include <functional>

// What a translation service answers: a page to show that holds the translation (the web
// translation page), or the translated text itself (a translator on this computer).
struct Translation {
    QString pageAddress;
    QString text;
    // The selection was too long and only its beginning was sent.
    bool shortened = false;

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
