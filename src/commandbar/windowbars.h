#pragma once

#include "commandbar/commandbutton.h"
#include "commandbar/tableview.h"

class CommandBar;
class CommandRegistry;

// The command bars of the secondary windows: the buttons each creates in the shared
// ButtonsCollection (the link table's and the link editor's come with the main set) and
// the bar it shows. A key can be
// created only once in a registry, so each window's buttons and bar are built the first
// time the window loads and reused afterwards.
namespace WindowBars {

// The link table shows two bars: its commands (LinkTable) and its close button at the
// right edge (LinkTableClose).
enum class Window { LanguageEditor, InputDialog, About, LinkTable, LinkTableClose, LinkEditor };

// The cmdBar element of each window: the index its clicks carry.
constexpr int LinkTableElement = 0;
constexpr int LinkTableCloseElement = 1;
constexpr int LinkEditorElement = 9;
constexpr int LanguageEditorElement = 5;
constexpr int InputDialogElement = 6;
constexpr int AboutElement = 7;

// The input dialog's question stands in the panel NIL6 between the two answers; the
// dialog is 4100 twips (273 pixels at 96 dpi) wide, and this room is what the two answer
// buttons leave of it.
constexpr int TitlePanelWidth = 150;

struct Button {
    const char *key;
    int icon; // position in the window's own image list; -1 for none
    ButtonStyle style;
    bool showCaption;
    int panelWidth; // pixels, panels only
};

struct Definition {
    Window window;
    int element;
    const char *barKey;
    TableView<Button> buttons;       // created by the window; may be none
    TableView<const char *> entries; // the bar, in order; the separators come from the main set
};

const Definition &definition(Window window);

// BuildWindowButtons: creates the window's own buttons. A key that exists already throws
// std::invalid_argument.
void BuildWindowButtons(CommandRegistry &registry, Window window);
// BuildWindowBar: creates the window's bar and appends its entries, each looked up by key.
// An unknown key throws std::out_of_range and leaves no bar behind; a bar that exists
// already throws std::invalid_argument.
void BuildWindowBar(CommandRegistry &registry, Window window);

// Both, when the registry does not hold the window's bar yet; the bar in every case.
CommandBar &ensureBuilt(CommandRegistry &registry, Window window);

} // namespace WindowBars
