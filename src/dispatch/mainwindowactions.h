#pragma once

#include "export/pageexportkind.h"

#include <QString>

struct WriteResult;

// What only the main window can do, as the dispatcher asks for it. The window implements
// it; tests put a recorder in its place.
class MainWindowActions {
public:
    virtual ~MainWindowActions() = default;

    // `exitAndSave`: the one exit sequence.
    virtual void exitProgram() = 0;
    virtual void minimise() = 0;
    // The modal windows; each returns when its window has closed.
    virtual void showAbout() = 0;
    virtual void showLanguageEditor() = 0;
    virtual void showLinkTable() = 0;
    // A language item: every text of the program changes at once.
    virtual void switchLanguage(const QString &language) = 0;
    // The bars take the style the options name now.
    virtual void applyBarStyle() = 0;
    // The page saved or exported as the command asks.
    virtual void exportPage(PageExportKind kind) = 0;
    virtual void showTranslationIndicator(bool on) = 0;
    // The current tab's page translated in place, or its original back.
    virtual void togglePageTranslation() = 0;
    virtual void reportWriteFailure(const WriteResult &result) = 0;
};
