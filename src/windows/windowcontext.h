#pragma once

#include "text/programfolder.h"

#include <functional>

class CommandRegistry;
class Desktop;
class LanguageFile;
class Notifier;
struct ProgramState;

// What a secondary window is given by the main window: the command collections shared by
// every window, the texts of the current language, the program folder, the ways to the
// user and to the desktop, and the values the windows share during the run. Everything
// referred to outlives the windows.
struct WindowContext {
    CommandRegistry &registry;
    const LanguageFile &language;
    ProgramFolder folder;
    Notifier &notifier;
    Desktop &desktop;
    ProgramState &state;
    // SelectedBarStyle at the moment a window loads; 0 (the system's look) when not given.
    std::function<int()> barStyle;

    int currentBarStyle() const { return barStyle ? barStyle() : 0; }
};
