#include "startup/mainmessages.h"

#include "core/captions.h"
#include "core/languagefile.h"
#include "core/notifier.h"
#include "text/writeresult.h"

MainMessages::MainMessages(Notifier &notifier, const LanguageFile &language)
    : m_notifier(notifier)
    , m_language(language) {}

QString MainMessages::title() const {
    return m_language.caption(Captions::ProgramName);
}

void MainMessages::writeFailure(const WriteResult &result) const {
    m_notifier.warn(title(), m_language.caption(Captions::FileNotSaved) + QLatin1Char('\n') +
                                 result.path + QLatin1Char('\n') + result.error);
}

void MainMessages::languageFailure(const QString &failed) const {
    m_notifier.warn(title(), m_language.caption(Captions::LanguageFileNotLoaded) +
                                 QLatin1Char('\n') + failed);
}

void MainMessages::tooLongAddress(const QString &address) const {
    // The beginning says which address it was; the rest would fill the screen.
    constexpr qsizetype Shown = 100;
    m_notifier.warn(title(), m_language.caption(Captions::AddressTooLong) + QLatin1Char('\n') +
                                 address.left(Shown) + QChar(0x2026));
}

void MainMessages::notYetAvailable() const {
    // Better said plainly than a command that does nothing.
    m_notifier.inform(title(), m_language.caption(Captions::NotAvailableYet));
}
