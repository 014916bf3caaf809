#include "windowbars.h"

#include "commandbar/commandregistry.h"
#include "commandbar/maincommandtable.h"
#include "core/captions.h"

#include <QList>

namespace WindowBars {
namespace {

using W = Window;
using A = Action;
using Made = Button::Made;
using namespace MainCommandTable;
constexpr ButtonStyle Plain = ButtonStyle::Plain;
constexpr ButtonStyle Separator = ButtonStyle::Separator;
constexpr CommandText NoText = CommandText::none();
constexpr const char *Tick = nullptr;

constexpr CommandText tip(int caption) {
    return CommandText::toolTipOf(caption);
}
constexpr CommandText cap(int caption) {
    return CommandText::captionOf(caption);
}
constexpr Button shared(Window window, const char *key) {
    return {window, key, -1, nullptr, Separator, NoText, A::None, false, Made::Shared};
}

// The buttons of the secondary windows, row for row.
const Button Buttons[] = {
    // window, key, picture, from the main picture, style, text, action, shows its caption
    shared(W::LanguageEditor, Separator1),
    {W::LanguageEditor, "EXIT3", 0, "EXIT", Plain, cap(Captions::CloseEditor), A::Close, true},
    shared(W::LanguageEditor, Separator13),
    {W::LanguageEditor, "SAVE5", 1, "DOCUMENTSAVE", Plain, cap(Captions::Save), A::Save, true},
    shared(W::LanguageEditor, Separator2),

    {W::InputDialog, "OKYES", 0, Tick, Plain, cap(Captions::Yes), A::Yes, true},
    shared(W::InputDialog, Separator13),
    {W::InputDialog, TitlePanel, -1, nullptr, ButtonStyle::Panel, NoText},
    shared(W::InputDialog, Separator2),
    {W::InputDialog, "OKNO", 1, "STOP", Plain, cap(Captions::No), A::No, true},

    {W::About, "ABOUTOK", 0, Tick, Plain, cap(Captions::Ok), A::Close, true},
    shared(W::About, Separator13),
    {W::About, "ABOUTHELP", 1, "HELP", Plain, cap(Captions::AboutHelp), A::Help, true},
    shared(W::About, Separator2),

    {W::LinkTable, "EXIT5", 0, "EXIT", Plain, tip(Captions::Close), A::Close},
    shared(W::LinkTable, Separator1),
    {W::LinkTable, "ADDURL", 1, "SETBOOKMARK", Plain, tip(Captions::AddCurrentPage), A::AddLink},
    shared(W::LinkTable, Separator5),
    {W::LinkTable, "EDITURL", 2, "PROPERTIES", Plain, tip(Captions::LinkEditorWindow), A::EditLink},
    {W::LinkTable, "GOURL", 3, "GOTOBOOKMARK", Plain, tip(Captions::OpenLink), A::OpenLink},
    shared(W::LinkTable, Separator4),
    {W::LinkTable, "SORT", 6, "SELECTALL", Plain, tip(Captions::SortLinks), A::SortLinks},
    {W::LinkTable, "SAVE2", 7, "DOCUMENTSAVE", Plain, tip(Captions::SaveLinkTable), A::Save},
    {W::LinkTable, "HELP2", 8, "HELP", Plain, tip(Captions::LinkTableHelp), A::Help},
    shared(W::LinkTable, Separator7),
    {W::LinkTable, "TITLE", 9, "LANGUAGEFILE", Plain, tip(Captions::RenameGroup), A::EditTitle},
    {W::LinkTable, "IMPORTBM", 11, "FAVORITES", Plain, tip(Captions::ImportBookmarks),
     A::ImportBookmarks},
    {W::LinkTable, "EXPORTBM", 12, "WEBARCHIVE", Plain, tip(Captions::ExportBookmarks),
     A::ExportBookmarks},
    // The search of the link table has no place on its bar.
    {W::LinkTable, "SEARCH", 10, "MAGNIFIER", Plain, tip(Captions::SearchLinksButton), A::None,
     false, Made::OffBar},

    shared(W::LinkTableClose, Separator10),
    {W::LinkTableClose, "EXIT6", 0, "EXIT", Plain, tip(Captions::Close), A::Close},

    {W::LinkEditor, "CANCEL", 1, "DELETE", Plain, tip(Captions::RemoveLink), A::Remove},
    {W::LinkEditor, "SAVE3", 2, "DOCUMENTSAVE", Plain, tip(Captions::SaveChanges), A::Save},
};

const Definition Definitions[] = {
    {W::LanguageEditor, LanguageEditorElement, "STANDARD5"},
    {W::InputDialog, InputDialogElement, "STANDARD6"},
    {W::About, AboutElement, "STANDARD7"},
    {W::LinkTable, LinkTableElement, "TAB0"},
    {W::LinkTableClose, LinkTableCloseElement, "TAB1"},
    {W::LinkEditor, LinkEditorElement, "EDIT9"},
};

} // namespace

TableView<Button> buttons() {
    return TableView<Button>(Buttons);
}

const Definition &definition(Window window) {
    for (const Definition &entry : Definitions) {
        if (entry.window == window)
            return entry;
    }
    return Definitions[0]; // not reached: every window has a row
}

Action actionOf(const QString &key) {
    for (const Button &row : Buttons) {
        if (key == QLatin1String(row.key))
            return row.action;
    }
    return Action::None;
}

void BuildWindowButtons(CommandRegistry &registry, Window window) {
    for (const Button &row : Buttons) {
        if (row.window != window || row.made == Made::Shared)
            continue;
        CommandButton *button =
            registry.buttons().add(QString::fromLatin1(row.key), row.picture, row.style);
        button->setShowCaption(row.showCaption);
        if (row.style == ButtonStyle::Panel)
            button->setPanelWidth(TitlePanelWidth);
    }
}

void BuildWindowBar(CommandRegistry &registry, Window window) {
    // Every entry is looked up before the bar exists, so a missing key leaves no half bar.
    QList<CommandButton *> entries;
    for (const Button &row : Buttons) {
        if (row.window == window && row.made != Made::OffBar)
            entries.append(registry.button(QString::fromLatin1(row.key)));
    }
    CommandBar *created = registry.bars().add(QString::fromLatin1(definition(window).barKey));
    for (CommandButton *button : std::as_const(entries))
        created->add(button);
}

CommandBar &ensureBuilt(CommandRegistry &registry, Window window) {
    const QString barKey = QString::fromLatin1(definition(window).barKey);
    if (CommandBar *existing = registry.bars().find(barKey))
        return *existing;
    for (const Button &row : Buttons) {
        if (row.window == window && row.made != Made::Shared) {
            if (!registry.buttons().contains(QString::fromLatin1(row.key)))
                BuildWindowButtons(registry, window);
            break;
        }
    }
    BuildWindowBar(registry, window);
    return registry.bars().item(barKey);
}

void applyTexts(CommandRegistry &registry, Window window, const LanguageFile &language) {
    for (const Button &row : Buttons) {
        if (row.window == window && row.text.property != CommandText::Property::None)
            row.text.applyTo(registry.item(QString::fromLatin1(row.key)), language, {});
    }
}

} // namespace WindowBars
