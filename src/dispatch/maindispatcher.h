#pragma once

#include "commandbar/commandaction.h"
#include "dispatch/dispatchcontext.h"
#include "dispatch/keyboardcommands.h"

#include <QString>

class WebView;

// Turns the key of the button the user chose on the main window into its action: the
// command table's row of the key (compared exactly) names the action, and a click runs it
// only from the row's own element. The keys of the commands only the keyboard gives arrive
// as MainCommandBars::KeyboardIndex. Menu items the table does not name are the generated
// language items.
class MainDispatcher {
public:
    explicit MainDispatcher(const DispatchContext &context);

    void buttonClick(int barIndex, const QString &key);
    void menuOpened(int barIndex);
    void menuClosed(int barIndex);

    // Whether a command table action has a handler here.
    static bool handles(CommandAction action);

    using Action = void (MainDispatcher::*)();
    struct Handler {
        CommandAction action;
        Action run;
    };

private:
    static const Handler Handlers[];

    void generatedItem(const QString &key);
    void translateLanguageItem(const QString &key);
    void myLanguageItem(const QString &key);
    void languageItem(const QString &key);

    WebView *view() const;
    void page(int command);
    void service(const QString &address);

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
    void barStyle();
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
    void keyboard();

    DispatchContext m_context;
    KeyboardCommands m_keyboard{m_context.tabs};
    QString m_key; // the key being dispatched, and its action
    CommandAction m_action = CommandAction::None;
    bool m_styleChanged = false;
};
