#include "barstyles.h"

namespace BarStyles {
namespace {

// The colours of one look; the sheets below are the same for the three drawn looks.
struct Palette {
    const char *barTop, *barBottom, *barLine;           // toolbar gradient and lower edge
    const char *hoverTop, *hoverBottom, *hoverLine;     // button under the pointer
    const char *pressed, *pressedLine;                  // pressed or checked button
    const char *radius;                                 // button corners
    const char *menuBack, *menuLine, *menuText;         // menu body
    const char *selected, *selectedLine, *selectedText; // menu item under the pointer
    const char *separator;
};

// clang-format off
const Palette OfficePalette = {
    "#fbfbfc", "#d7dbe1", "#a7aeb8",    // bar
    "#eaf4fc", "#c3dff6", "#3c7fb1",    // hover
    "#a9cdee", "#2a6496",               // pressed
    "2px",
    "#f6f7f8", "#8e959f", "#1e1e1e",    // menu
    "#d5e8f8", "#3c7fb1", "#0f2a40",    // selected item
    "#c8ccd2",
};

const Palette MoneyPalette = {
    "#eef7e6", "#a8cf8a", "#4f7f32",
    "#f4fbea", "#cde9b0", "#3d6e22",
    "#93c26f", "#2f5a18",
    "3px",
    "#f3f9ee", "#4f7f32", "#1d3310",
    "#3d7a22", "#2f5a18", "#ffffff",
    "#a8cf8a",
};

const Palette XpPalette = {
    "#f5f9ff", "#8db2e8", "#3b64ad",
    "#fff8e1", "#ffd98a", "#c9952f",
    "#ffc35a", "#a8761f",
    "5px",
    "#fcfcfe", "#3b64ad", "#10203c",
    "#316ac5", "#214a93", "#ffffff",
    "#b7c9e8",
};
// clang-format on

const Palette *paletteOf(int style) {
    switch (style) {
    case Office:
        return &OfficePalette;
    case Money:
        return &MoneyPalette;
    case XP:
        return &XpPalette;
    default:
        return nullptr;
    }
}

QString fill(QString sheet, const Palette &p) {
    const std::pair<const char *, const char *> names[] = {
        {"@barTop", p.barTop},
        {"@barBottom", p.barBottom},
        {"@barLine", p.barLine},
        {"@hoverTop", p.hoverTop},
        {"@hoverBottom", p.hoverBottom},
        {"@hoverLine", p.hoverLine},
        {"@pressedLine", p.pressedLine},
        {"@pressed", p.pressed},
        {"@radius", p.radius},
        {"@menuBack", p.menuBack},
        {"@menuLine", p.menuLine},
        {"@menuText", p.menuText},
        {"@selectedLine", p.selectedLine},
        {"@selectedText", p.selectedText},
        {"@selected", p.selected},
        {"@separator", p.separator},
    };
    // Longer names first where one begins with another (@pressedLine before @pressed).
    for (const auto &[name, value] : names)
        sheet.replace(QLatin1String(name), QLatin1String(value));
    return sheet;
}

const char ToolBarSheet[] = R"(
QToolBar {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @barTop, stop:1 @barBottom);
    border: none;
    border-bottom: 1px solid @barLine;
    spacing: 1px;
    padding: 1px 2px;
}
QToolBar::separator {
    background: @barLine;
    width: 1px;
    margin: 4px 3px;
}
QToolButton {
    background: transparent;
    border: 1px solid transparent;
    border-radius: @radius;
    padding: 2px;
}
QToolButton:hover {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @hoverTop, stop:1 @hoverBottom);
    border: 1px solid @hoverLine;
}
QToolButton:pressed, QToolButton:checked, QToolButton:open {
    background: @pressed;
    border: 1px solid @pressedLine;
}
QToolButton[popupMode="2"] {
    padding-right: 10px;
}
)";

const char MenuSheet[] = R"(
QMenu {
    background: @menuBack;
    border: 1px solid @menuLine;
    padding: 2px;
    color: @menuText;
}
QMenu::item {
    padding: 4px 22px 4px 26px;
    border: 1px solid transparent;
    border-radius: @radius;
}
QMenu::item:selected {
    background: @selected;
    border: 1px solid @selectedLine;
    color: @selectedText;
}
QMenu::item:disabled {
    color: #8c8c8c;
}
QMenu::separator {
    height: 1px;
    background: @separator;
    margin: 3px 6px 3px 26px;
}
QMenu::icon {
    padding-left: 4px;
}
QMenu::icon:checked {
    background: @pressed;
    border: 1px solid @pressedLine;
    border-radius: 2px;
    position: absolute;
    top: 1px;
    right: 1px;
    bottom: 1px;
    left: 1px;
}
)";

} // namespace

bool isStyle(int style) {
    return style >= System && style <= XP;
}

QString toolBarStyleSheet(int style) {
    const Palette *palette = paletteOf(style);
    return palette ? fill(QString::fromLatin1(ToolBarSheet), *palette) : QString();
}

QString menuStyleSheet(int style) {
    const Palette *palette = paletteOf(style);
    return palette ? fill(QString::fromLatin1(MenuSheet), *palette) : QString();
}

} // namespace BarStyles
