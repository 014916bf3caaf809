#pragma once

#include "dispatch/dispatchcontext.h"
#include "dispatch/keyboardcommands.h"

#include <QString>

class WebView;

// Turns the key of the button the user chose on the main window into its action.
// Bars 0 (main toolbar), 2 (shortcut toolbar) and 3 (every drop-down menu) are handled,
// each with its own table of keys compared exactly, and so are the keys of the commands
// only the keyboard gives (MainCommandBars::KeyboardIndex); a click from any other bar does
// nothing. Menu items that no table names are the generated language items.
class MainDispatcher {
public:
    explicit MainDispatcher(const DispatchContext &context);

    void ButtonClick(int barIndex, const QString &key);
    void MenuOpened(int barIndex);
    void MenuClosed(int barIndex);

    using Action = void (MainDispatcher::*)();
    struct Command {
        const char *key;
        Action action;
    };

private:
    // The keys of each bar and their actions, in the order they are compared.
    static const Command MainToolbar[];
    static const Command ShortcutToolbar[];
    static const Command Menus[];

    bool runFrom(const Command *first, const Command *last, const QString &key);
    void generatedItem(const QString &key);
    void translateLanguageItem(const QString &key);
    void myLanguageItem(const QString &key);
    void languageItem(const QString &key);

    WebView *view() const;
    void page(int command);
    void service(const QString &address);
    void setBarStyle(int style, const char *itemKey);

    // The actions of the tables.
    void exit();
    void goBack();
    void goForward();
    void linkTable();
    void print();
    void about();
    void search();
    void dictionary();
    void map();
    void social();
    void ecommerce();
    void minimise();
    void stop();
    void pageSetup();
    void printPreview();
    void properties();
    void styleSystem();
    void styleOffice();
    void styleXp();
    void styleMoney();
    void floatingBars();
    void help();
    void pageExport();
    void explorer();
    void securitySettings();
    void soundSettings();
    void internetSettings();
    void speakFile();
    void translatePage();
    void cut();
    void copy();
    void paste();
    void find();
    void selectAll();
    void deleteSelection();
    void viewSource();
    void translator();
    void pickBookmark();
    void goBookmark();
    void refresh();
    void home();
    void pickHome();
    void newLanguage();

    DispatchContext m_context;
    KeyboardCommands m_keyboard{m_context.tabs};
    QString m_key; // the key being dispatched
    bool m_styleChanged = false;
};
