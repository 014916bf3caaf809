#pragma once

#include <QString>

class LanguageFile;
class ProgramFolder;

// Loads the language the user chose, or English when the chosen file is missing or
// broken (not text, or short of captions), and says what happened so that the user can
// be told which file failed.
struct LanguageChoice {
    enum class Outcome {
        Chosen,         // the chosen file serves
        EnglishInstead, // it could not; English does
        NoLanguage,     // not even English could be read
    };

    Outcome outcome = Outcome::NoLanguage;
    QString language; // the language now loaded
    // For EnglishInstead and NoLanguage: the file that failed, or the chosen name when
    // no file of that name exists.
    QString failed;

    static LanguageChoice load(LanguageFile &file, const ProgramFolder &folder,
                               const QString &language);
};
