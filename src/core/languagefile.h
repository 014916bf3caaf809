#pragma once

#include "languagesettings.h"

#include <QString>
#include <QStringList>
#include <array>

class ProgramFolder;

struct TranslationLanguage {
    QString name; // as written, not trimmed
    QString code;
};

// One language's texts and settings, read from languages/Trans_<language>.txt: the
// numbered captions, the languages offered for translation and the LanguageSettings.
class LanguageFile {
public:
    // A file must give the first RequiredCaptions; the captions after them came later, and
    // a file made before them shows their English text.
    static constexpr int RequiredCaptions = 250;
    static constexpr int CaptionCount = 277;
    static constexpr int TranslationRowCount = 41;

    // Empty when the name could leave the languages folder.
    static QString pathFor(const ProgramFolder &folder, const QString &language);

    // LoadLanguageFile: clears every caption, then reads the file. False when the file
    // cannot be opened; the captions stay cleared and nothing else changes.
    bool load(const QString &path);
    // The same rules on lines already read.
    void parse(const QStringList &lines);
    // The English text of a caption after the required ones; empty for any other n.
    static QString laterEnglishCaption(int n);

    // Whether the file last loaded can serve as the program's language: it is text (no
    // NUL bytes: not a picture, program or UTF-16 file) and gives the required captions.
    bool isUsable() const { return m_isText && m_captionsRead >= RequiredCaptions; }

    // Caption n for n in 1..CaptionCount; empty for any other n. Until a language file has
    // been read, the few texts that messages at start-up need are given in English, so no
    // message shows empty; so is each caption after the required ones that the file lacks.
    QString caption(int n) const;
    const TranslationLanguage &translationRow(int row) const;
    // Index of the last filled row; rows 0..lastTranslationRow() are the table.
    int lastTranslationRow() const { return m_lastTranslationRow; }
    // The first row whose language name (blanks around it ignored) or code equals the
    // text in any letter case; nullptr when none does.
    const TranslationLanguage *findTranslationRow(const QString &name) const;
    const TranslationLanguage *findTranslationCode(const QString &code) const;
    const LanguageSettings &settings() const { return m_settings; }

private:
    void parseLine(const QString &line, int &captionCounter, int &pairCounter);
    void applySetting(const QString &key, const QString &value);

    std::array<QString, CaptionCount + 1> m_captions; // slot 0 is never filled
    std::array<TranslationLanguage, TranslationRowCount> m_rows;
    int m_lastTranslationRow = 0;
    LanguageSettings m_settings;
    bool m_read = false;
    bool m_isText = true;
    int m_captionsRead = 0;
};
