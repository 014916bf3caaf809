#pragma once

#include <QString>
#include <QStringList>

class CommandRegistry;
class LanguageFile;

// Marks the translate-language items whose language is translated into `MyLanguage` on
// this computer, so the user sees which text stays private. The mark is the words of the
// local-translation caption before its ":".
namespace TranslateMenuMarks {

QString markText(const LanguageFile &language);
// Every translate-language item: the mark when a mode of installedModes translates its
// language into myLanguage, none otherwise.
void apply(CommandRegistry &registry, const LanguageFile &language, const QString &myLanguage,
           const QStringList &installedModes);

} // namespace TranslateMenuMarks
