#pragma once

#include <QString>
#include <QStringList>

class CommandRegistry;
class ImageList;
class LanguageFile;
class ProgramFolder;
class QWidget;

// What BuildMainCommandSet leaves for BuildMainBars.
struct MainCommandSet {
    static constexpr int LanguageCapacity = 20;

    // InstalledLanguages: the names of the language files found, at most 20, in the order
    // of the LANG menu.
    QStringList installedLanguages;
    // The image count after the language icons were looked up: the first translation
    // icon's position.
    int translationIconBase = 0;
};

namespace MainCommands {

// The language search begins at the 105th image (position 104); a name without a
// picture of its own gets position 106.
constexpr int LanguagePicturesFrom = 104;
constexpr int FallbackLanguageIcon = 106;

// The language files of the program folder: the files of languages/ (the folder matched
// without regard to letter case) whose names begin with "trans_" in any letter case, in
// the order of their names (compared without regard to case).
QStringList languageFiles(const ProgramFolder &folder);
// The language name in a file name: from after the first "_" to before the first "."
// (to the end when there is no "." after the "_").
QString languageName(const QString &fileName);
// The icon of a language: the first image from position 104 on whose key begins with
// the first two letters of the name in lower case (image keys compared exactly), else
// 106. An empty name has no prefix and gets 106.
int languageIcon(const ImageList &images, const QString &name);

// BuildMainCommandSet: creates every fixed button of the command table and the
// generated items into the registry:
// - "LANG:" + NAME for the first 20 language files (option; caption the name in proper
//   case; tooltip the file name; icon by languageIcon);
// - "TRANSLANG:" + name and "MYLANG:" + name for every TranslationLanguageTable row 0 to
//   lastTranslationRow (name = column 0 trimmed of spaces; caption = column 0 in proper
//   case; option), after icons/<code>.ico of the program folder was appended to the
//   image list for the row (icon = translationIconBase + row; a missing file leaves the
//   button without a picture).
// NIL4 gets the panel width (pixels) and the tab strip.
// A generated key that exists already (LANG:NEW from a language named "new", two files
// or rows giving one name) is left out rather than failing the start. Fixed keys are
// created once per registry: a second call throws std::invalid_argument.
MainCommandSet BuildMainCommandSet(CommandRegistry &registry, ImageList &images,
                                   const LanguageFile &language, const ProgramFolder &folder,
                                   QWidget *tabStrip = nullptr, int tabPanelWidth = 0);

// BuildMainBars: creates STANDARD0, SAVE, FILE, EDIT, LANG, NAVIGATE, TTS,
// SPEAK, STANDARD1 and STANDARD2, fills them in the order of the command table (TTS and
// SPEAK with the row items in row order, LANG with the language items before LANG:NEW)
// and links the seven menus to the buttons of the same key. An unknown key throws
// std::out_of_range.
void BuildMainBars(CommandRegistry &registry, const LanguageFile &language,
                   const MainCommandSet &set);

// "TRANSLANG:" / "MYLANG:" + the row's name trimmed of spaces.
QString translateLanguageKey(const QString &rowName);
QString myLanguageKey(const QString &rowName);

} // namespace MainCommands
