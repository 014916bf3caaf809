#pragma once

#include <QString>

class LanguageFile;
class Notifier;
struct WriteResult;

// What the main window tells the user when something failed, in the current language.
class MainMessages {
public:
    MainMessages(Notifier &notifier, const LanguageFile &language);

    void writeFailure(const WriteResult &result) const;
    // failed: the language file that could not serve, or the name no file has.
    void languageFailure(const QString &failed) const;
    void tooLongAddress(const QString &address) const;
    void notYetAvailable() const;

private:
    QString title() const;

    Notifier &m_notifier;
    const LanguageFile &m_language;
};
