#include "windowbars.h"

#include "commandbar/commandregistry.h"

#include <QList>

namespace WindowBars {
namespace {

constexpr ButtonStyle Plain = ButtonStyle::Plain;

const Button LanguageEditorButtons[] = {
    {"EXIT3", 0, Plain, true, 0},
    {"SAVE5", 1, Plain, true, 0},
};
const char *const LanguageEditorEntries[] = {"SEP1", "EXIT3", "SEP13", "SAVE5", "SEP2"};

const Button InputDialogButtons[] = {
    {"OKYES", 0, Plain, true, 0},
    {"OKNO", 1, Plain, true, 0},
    {"NIL6", -1, ButtonStyle::Panel, false, TitlePanelWidth},
};
const char *const InputDialogEntries[] = {"OKYES", "SEP13", "NIL6", "SEP2", "OKNO"};

const Button AboutButtons[] = {
    {"ABOUTOK", 0, Plain, true, 0},
    {"ABOUTHELP", 1, Plain, true, 0},
};
const char *const AboutEntries[] = {"ABOUTOK", "SEP13", "ABOUTHELP", "SEP2"};

const char *const LinkTableEntries[] = {"EXIT5", "SEP1", "ADDURL", "SEP5",  "EDITURL", "GOURL",
                                        "SEP4",  "SORT", "SAVE2",  "HELP2", "SEP7",    "TITLE"};
const char *const LinkTableCloseEntries[] = {"SEP10", "EXIT6"};
const char *const LinkEditorEntries[] = {"CANCEL", "SAVE3"};
constexpr TableView<Button> NoButtons(nullptr, 0);

const Definition Definitions[] = {
    {Window::LanguageEditor, LanguageEditorElement, "STANDARD5", LanguageEditorButtons,
     LanguageEditorEntries},
    {Window::InputDialog, InputDialogElement, "STANDARD6", InputDialogButtons, InputDialogEntries},
    {Window::About, AboutElement, "STANDARD7", AboutButtons, AboutEntries},
    {Window::LinkTable, LinkTableElement, "TAB0", NoButtons, LinkTableEntries},
    {Window::LinkTableClose, LinkTableCloseElement, "TAB1", NoButtons, LinkTableCloseEntries},
    {Window::LinkEditor, LinkEditorElement, "EDIT9", NoButtons, LinkEditorEntries},
};

} // namespace

const Definition &definition(Window window) {
    for (const Definition &entry : Definitions) {
        if (entry.window == window)
            return entry;
    }
    return Definitions[0]; // not reached: every window has a row
}

void BuildWindowButtons(CommandRegistry &registry, Window window) {
    for (const Button &row : definition(window).buttons) {
        CommandButton *button =
            registry.buttons().add(QString::fromLatin1(row.key), row.icon, row.style);
        button->setShowCaption(row.showCaption);
        if (row.panelWidth > 0)
            button->setPanelWidth(row.panelWidth);
    }
}

void BuildWindowBar(CommandRegistry &registry, Window window) {
    const Definition &bar = definition(window);
    // Every entry is looked up before the bar exists, so a missing key leaves no half bar.
    QList<CommandButton *> buttons;
    for (const char *key : bar.entries)
        buttons.append(registry.button(QString::fromLatin1(key)));
    CommandBar *created = registry.bars().add(QString::fromLatin1(bar.barKey));
    for (CommandButton *button : std::as_const(buttons))
        created->add(button);
}

CommandBar &ensureBuilt(CommandRegistry &registry, Window window) {
    const Definition &bar = definition(window);
    const QString barKey = QString::fromLatin1(bar.barKey);
    if (CommandBar *existing = registry.bars().find(barKey))
        return *existing;
    if (bar.buttons.size() > 0 &&
        !registry.buttons().contains(QString::fromLatin1(bar.buttons[0].key)))
        BuildWindowButtons(registry, window);
    BuildWindowBar(registry, window);
    return registry.bars().item(barKey);
}

} // namespace WindowBars
