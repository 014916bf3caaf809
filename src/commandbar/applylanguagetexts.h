#pragma once

#include <QString>
#include <functional>

class CommandRegistry;
class LanguageFile;
struct ProgramState;

// ApplyLanguageTexts: the captions and tooltips of the current language onto
// the buttons, as the command tables give them, and the few other controls that show a
// text.
namespace LanguageTexts {

// What the operation reaches besides the main window's buttons. The windows and controls
// are built by other parts of the program; whatever is not given here is left alone.
struct Targets {
    // Load the language editor / the input dialog (hidden) when it is not loaded yet, so
    // that its buttons exist. Called once per application, before the window's texts.
    // Without one, that window's texts are skipped.
    std::function<void()> loadLanguageEditor;
    std::function<void()> loadInputDialog;
    // The main window's move buttons cmdMove and cmdMoveL: tooltip caption 215.
    std::function<void(const QString &)> setMoveButtonsToolTip;
    // The main window's progress bar: text caption 179.
    std::function<void(const QString &)> setProgressBarText;
    // The input dialog's title label labTitle: caption 213.
    std::function<void(const QString &)> setInputDialogTitle;
    // The link groups' titles: empty groups are titled this caption, a blank and their
    // number.
    std::function<void(const QString &emptyGroupTitle)> retitleEmptyGroups;
};

// ApplyLanguageTexts: the texts the command table gives the main window's buttons, then
// those of the language editor and the input dialog, then the other controls. Texts are
// used as stored; an empty caption slot gives an empty text. A key that is not in the
// ButtonsCollection stops the operation with std::out_of_range (naming the key); the rows
// before it stay applied.
void apply(CommandRegistry &registry, const LanguageFile &language, const QString &currentLanguage,
           const Targets &targets = {});

} // namespace LanguageTexts

// ApplyLanguageTexts, by the name the rest of the program knows it by.
inline void ApplyLanguageTexts(CommandRegistry &registry, const LanguageFile &language,
                               const QString &currentLanguage,
                               const LanguageTexts::Targets &targets = {}) {
    LanguageTexts::apply(registry, language, currentLanguage, targets);
}
// The same with the program-wide state: its LanguageFile and its CurrentLanguage.
void ApplyLanguageTexts(CommandRegistry &registry, const ProgramState &state,
                        const LanguageTexts::Targets &targets = {});
