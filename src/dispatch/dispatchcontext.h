#pragma once

class AddressBar;
class BrowserTabs;
class CommandRegistry;
class Desktop;
class FindBar;
class FloatingBars;
class MainWindowActions;
class Notifier;
class ProgramFiles;
class SelectionTranslation;
struct ProgramState;

// Everything the main dispatcher acts on, handed over by whoever owns it: the parts of the
// main window it drives, the program's state and files, and what only the window can do.
struct DispatchContext {
    BrowserTabs &tabs;
    AddressBar &addressBar;
    FindBar &findBar;
    FloatingBars &floatingBars;
    SelectionTranslation &translation;
    ProgramState &state;
    CommandRegistry &registry;
    Desktop &desktop;
    Notifier &notifier;
    const ProgramFiles &files;
    MainWindowActions &window;
};
