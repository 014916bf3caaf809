#pragma once

#include "text/programfolder.h"
#include "text/writeresult.h"

#include <QString>
#include <optional>

class LanguageFile;
class Notifier;

// The rules of the language editor, free of any window: the English file it starts from,
// the check of a new language's name and the writing of languages/trans_<name>.Txt. The
// user is told through the notifier, in the current language.
class NewLanguageFile {
public:
    enum class NameCheck {
        Empty,   // nothing to save
        Allowed, // a plain file name that reads back as the language's name
        Refused,
    };
    enum class SaveResult {
        Nothing, // no name given
        Refused, // the name was not allowed; the user was told
        Kept,    // a file of that name exists and the user kept it
        Failed,  // the write failed; the user was told
        Written, // saved; the user was told
    };

    NewLanguageFile(ProgramFolder folder, const LanguageFile &texts, Notifier &notifier);

    // Refused: a folder separator, "..", a control character, a "." (the language menu
    // reads a name only up to its first "."), or a character that the file systems of
    // Linux, Windows or macOS refuse (NUL and <>:"|?*/\). Blanks around the name do not
    // count.
    static NameCheck checkName(const QString &name);

    // languages/trans_english.txt, found without regard to letter case.
    QString templatePath() const;
    // The English file's text with "\n" line ends. Empty, and the user told, when it is
    // missing or cannot be read.
    QString readTemplate() const;

    // languages/trans_<name>.Txt; a file of the same name in other letter case keeps its
    // spelling, so it is the one replaced.
    QString pathFor(const QString &name) const;
    // The file's content for the editor's text: every line end becomes CR LF.
    static QString fileText(const QString &editorText);

    // SAVE5 with the name the user gave (blanks around it dropped): checks the name,
    // asks before replacing an existing language file, writes the text atomically and
    // tells the user how it went.
    SaveResult save(const QString &name, const QString &editorText);

    // Data/trans_<name>.draft: the editor's text, kept when the session ended while it was
    // open with unsaved typing. name: the language last saved from the editor, or "new".
    QString draftPath(const QString &name) const;
    WriteResult saveDraft(const QString &name, const QString &editorText) const;
    // The newest draft left by an earlier session, or an empty path.
    QString findDraft() const;
    // The draft's text for the editor ("\n" line ends), or nothing when it cannot be read.
    std::optional<QString> readDraft(const QString &path) const;

private:
    QString caption(int n) const;
    QString title() const;

    ProgramFolder m_folder;
    const LanguageFile &m_texts;
    Notifier &m_notifier;
};
