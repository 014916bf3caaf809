#pragma once

#include "commandbar/commandbutton.h"
#include "commandbar/commandtext.h"
#include "commandbar/tableview.h"

class CommandBar;
class CommandRegistry;
class LanguageFile;

// The command bars of the secondary windows: one row per button, with the window whose
// bar shows it, its picture, text and what it does. A key can be created only once in a
// registry, so each window's buttons and bar are built the first time the window loads and
// reused afterwards.
namespace WindowBars {

// The link table shows two bars: its commands (LinkTable) and its close button at the
// right edge (LinkTableClose).
enum class Window { LanguageEditor, InputDialog, About, LinkTable, LinkTableClose, LinkEditor };

// What a button does; the window that shows it acts on it.
enum class Action {
    None,
    Close,
    Save,
    Yes,
    No,
    Help,
    AddLink,
    EditLink,
    OpenLink,
    SortLinks,
    EditTitle,
    Remove,
    ImportBookmarks,
    ExportBookmarks,
};

// The cmdBar element of each window: the index its clicks carry.
constexpr int LinkTableElement = 0;
constexpr int LinkTableCloseElement = 1;
constexpr int LinkEditorElement = 9;
constexpr int LanguageEditorElement = 5;
constexpr int InputDialogElement = 6;
constexpr int AboutElement = 7;

// The input dialog's question stands in this panel between the two answers; the dialog is
// 4100 twips (273 pixels at 96 dpi) wide, and this room is what the two answer buttons
// leave of it.
inline constexpr char TitlePanel[] = "NIL6";
constexpr int TitlePanelWidth = 150;

struct Button {
    enum class Made {
        ByWindow, // created when the window first loads, and on its bar
        Shared,   // a separator of the main set, placed on the bar
        OffBar,   // created with the window's buttons, on no bar
    };

    Window window; // the rows of one window stand in the order its bar shows them
    const char *key;
    int picture;             // position in the window's own image list; -1 for none
    const char *mainPicture; // the ImageList1 key it takes its picture from; nullptr: a tick
    ButtonStyle style;
    CommandText text;
    Action action = Action::None;
    bool showCaption = false;
    Made made = Made::ByWindow;
};

struct Definition {
    Window window;
    int element;
    const char *barKey;
};

TableView<Button> buttons();
const Definition &definition(Window window);
// The action of a key, compared exactly; None for a key no row has.
Action actionOf(const QString &key);

// BuildWindowButtons: creates the window's own buttons. A key that exists already throws
// std::invalid_argument.
void BuildWindowButtons(CommandRegistry &registry, Window window);
// BuildWindowBar: creates the window's bar and appends its entries, each looked up by key.
// An unknown key throws std::out_of_range and leaves no bar behind; a bar that exists
// already throws std::invalid_argument.
void BuildWindowBar(CommandRegistry &registry, Window window);

// Both, when the registry does not hold the window's bar yet; the bar in every case.
CommandBar &ensureBuilt(CommandRegistry &registry, Window window);

// The window's captions and tooltips in the current language, onto its buttons.
void applyTexts(CommandRegistry &registry, Window window, const LanguageFile &language);

} // namespace WindowBars
