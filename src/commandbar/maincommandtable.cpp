#include "maincommandtable.h"

namespace {

constexpr ButtonStyle Plain = ButtonStyle::Plain;
constexpr ButtonStyle Separator = ButtonStyle::Separator;
constexpr ButtonStyle Panel = ButtonStyle::Panel;
constexpr ButtonStyle Check = ButtonStyle::Check;
constexpr ButtonStyle Option = ButtonStyle::Option;
constexpr bool DropDown = true;
constexpr const char *OtherWindow = nullptr;

// The command table, row for row.
const CommandEntry Entries[] = {
    // bar          key                        icon  style      ShowDropDown
    {"STANDARD0", "EXIT0", 0, Plain, false},
    {"STANDARD0", "SEP13", -1, Separator, false},
    {"STANDARD0", "BACK", 1, Plain, false},
    {"STANDARD0", "NEXT", 2, Plain, false},
    {"STANDARD0", "SEP10", -1, Separator, false},
    {"STANDARD0", "PRINT", 5, Plain, false},
    {"STANDARD0", "FAVORITE", 8, Plain, false},
    {"STANDARD0", "TORVELLO", 19, Plain, false},
    {"STANDARD0", "SEP11", -1, Separator, false},
    {"STANDARD0", "EDIT", 7, Plain, DropDown},
    {"STANDARD0", "SAVE", 6, Plain, DropDown},
    {"STANDARD0", "FILE", 81, Plain, DropDown},
    {"STANDARD0", "LANG", 105, Plain, DropDown},
    {"STANDARD0", "SEP4", -1, Separator, false},
    {"STANDARD0", "TTS", 133, Plain, DropDown},
    {"STANDARD0", "SPEAK", 132, Plain, DropDown},
    {"STANDARD0", "SEP5", -1, Separator, false},
    {"STANDARD0", "NAVIGATE", 73, Plain, DropDown},

    // NIL4 hosts the tab strip; its width and widget are set when the set is built.
    {"STANDARD1", "NIL4", -1, Panel, false},

    {"STANDARD2", "GOOGLE", 13, Plain, false},
    {"STANDARD2", "SOCIAL", 124, Plain, false},
    {"STANDARD2", "EBAY", 125, Plain, false},
    {"STANDARD2", "WIKI", 122, Plain, false},
    {"STANDARD2", "MAP", 123, Plain, false},
    {"STANDARD2", "SEP14", -1, Separator, false},
    {"STANDARD2", "MIN", 22, Plain, false},
    {"STANDARD2", "EXIT2", 0, Plain, false},

    {"SAVE", "SAVE:HTML", 26, Plain, false},
    {"SAVE", "SAVE:WORDH", 27, Plain, false},
    {"SAVE", "SAVE:WORDV", 28, Plain, false},
    {"SAVE", "SAVE:EXCEL", 29, Plain, false},
    {"SAVE", "SAVE:PPT", 30, Plain, false},
    {"SAVE", "SAVE:PDF", 32, Plain, false},

    {"EDIT", "EDIT:STOP", 3, Plain, false},
    {"EDIT", "EDIT:TXT", 66, Plain, false},
    {"EDIT", "EDIT:TXT:SEPARATOR", -1, Separator, false},
    {"EDIT", "EDIT:CUT", 61, Plain, false},
    {"EDIT", "EDIT:COPY", 62, Plain, false},
    {"EDIT", "EDIT:PASTE", 63, Plain, false},
    {"EDIT", "EDIT:DELETE", 68, Plain, false},
    {"EDIT", "EDIT:SELECT", 67, Plain, false},
    {"EDIT", "EDIT:SELECT:SEPARATOR", -1, Separator, false},
    {"EDIT", "EDIT:PAGESET", 58, Plain, false},
    {"EDIT", "EDIT:PREVIEW", 59, Plain, false},
    {"EDIT", "EDIT:PRINT", 60, Plain, false},
    {"EDIT", "EDIT:PROPERTIES", 79, Plain, false},
    {"EDIT", "EDIT:FINDDOC", 64, Plain, false},
    {"EDIT", "EDIT:VIEW:SEPARATOR", -1, Separator, false},
    {"EDIT", "EDIT:VIEW", 69, Plain, false},
    {"EDIT", "EDIT:PICTURE", 78, Plain, false},
    {"EDIT", "EDIT:TRANS", 80, Plain, false},
    {"EDIT", "EDIT:EXIT:SEPARATOR", -1, Separator, false},
    {"EDIT", "EDIT:EXIT", 0, Plain, false},

    // FILE:SYSTEM, FILE:OFFICE, FILE:XP and FILE:MONEY are one option group (bar styles
    // 0, 1, 3 and 2).
    {"FILE", "FILE:STYLE:SEPARATOR", -1, Separator, false},
    {"FILE", "FILE:SYSTEM", 58, Option, false},
    {"FILE", "FILE:OFFICE", 9, Option, false},
    {"FILE", "FILE:XP", 75, Option, false},
    {"FILE", "FILE:MONEY", 76, Option, false},
    {"FILE", "FILE:FLOATING:SEPARATOR", -1, Separator, false},
    {"FILE", "FILE:FLOATING", 72, Check, false},
    {"FILE", "FILE:FISH:SEPARATOR", -1, Separator, false},
    {"FILE", "FILE:EXPLORER", 46, Plain, false},
    {"FILE", "FILE:SECURITY", 48, Plain, false},
    {"FILE", "FILE:VOLUME", 37, Plain, false},
    {"FILE", "FILE:INTERNET", 47, Plain, false},
    {"FILE", "FILE:INTERNET:SEPARATOR", -1, Separator, false},
    {"FILE", "FILE:TORVELLO", 19, Plain, false},
    {"FILE", "FILE:HELP", 77, Plain, false},

    {"NAVIGATE", "NAVIGATE:PICK", 15, Plain, false},
    {"NAVIGATE", "NAVIGATE:GO", 71, Plain, false},
    {"NAVIGATE", "NAVIGATE:GO:SEPARATOR", -1, Separator, false},
    {"NAVIGATE", "NAVIGATE:BACK", 1, Plain, false},
    {"NAVIGATE", "NAVIGATE:REFRESH", 4, Plain, false},
    {"NAVIGATE", "NAVIGATE:NEXT", 2, Plain, false},
    {"NAVIGATE", "NAVIGATE:HOME:SEPARATOR", -1, Separator, false},
    {"NAVIGATE", "NAVIGATE:PICKHOME", 83, Plain, false},
    {"NAVIGATE", "NAVIGATE:HOME", 16, Plain, false},

    // The TTS menu's generated items come before them.
    {"TTS", "TTS:PAGE:SEPARATOR", -1, Separator, false},
    {"TTS", "TTS:PAGE", 80, Plain, false},

    // The LANG menu's generated items come before it.
    {"LANG", "LANG:NEW", 119, Plain, false},

    // Buttons of the link-table window (icons of that window's own image list).
    {OtherWindow, "EXIT5", 0, Plain, false},
    {OtherWindow, "EXIT6", 0, Plain, false},
    {OtherWindow, "SEARCH", 10, Plain, DropDown},
    {OtherWindow, "ADDURL", 1, Plain, false},
    {OtherWindow, "EDITURL", 2, Plain, false},
    {OtherWindow, "GOURL", 3, Plain, false},
    {OtherWindow, "SORT", 6, Plain, false},
    {OtherWindow, "SAVE2", 7, Plain, false},
    {OtherWindow, "HELP2", 8, Plain, false},
    {OtherWindow, "TITLE", 9, Plain, false},
    // Separators of the secondary windows' bars.
    {OtherWindow, "SEP1", -1, Separator, false},
    {OtherWindow, "SEP2", -1, Separator, false},
    {OtherWindow, "SEP7", -1, Separator, false},
    // Buttons of the link entry editor window (icons of its own image list).
    {OtherWindow, "CANCEL", 1, Plain, false},
    {OtherWindow, "SAVE3", 2, Plain, false},
};

const char *const BarKeys[] = {"STANDARD0", "SAVE", "FILE",  "EDIT",      "LANG",
                               "NAVIGATE",  "TTS",  "SPEAK", "STANDARD1", "STANDARD2"};

const char *const MenuKeys[] = {"SAVE", "EDIT", "FILE", "NAVIGATE", "TTS", "SPEAK", "LANG"};

} // namespace

namespace MainCommandTable {

TableView<CommandEntry> entries() {
    return TableView<CommandEntry>(Entries);
}

TableView<const char *> barKeys() {
    return TableView<const char *>(BarKeys);
}

TableView<const char *> menuKeys() {
    return TableView<const char *>(MenuKeys);
}

} // namespace MainCommandTable
