#pragma once

#include "core/languagefile.h"
#include "core/options.h"
#include "settingsvalues.h"

#include <QDate>
#include <QString>

// The program-wide values every part of the program reads: the one shared module.
// Owned by the application for the whole run and handed to whoever needs it.
struct ProgramState {
    static constexpr int LinkGroupSize = 30;
    static constexpr int LinkGroupCount = 5;
    static constexpr int ExportOpacity = 205;
    static constexpr int NormalOpacity = 255;

    // A date as the link table stores it: YYYY-MM-DD.
    static QString dateText(const QDate &date);

    QString todayText = dateText(QDate::currentDate());
    int pictureCounter = 0;
    QString bookmarkAddress; // the last address sent through the address bar
    bool barsShown = true;
    QString sourceLanguage;        // code of the language selected text is written in
    QString translateLanguageItem; // caption of the active translate-language item
    // DialogAnswer: the input dialog's last answer, 1 yes, 0 no; opening the dialog does
    // not reset it.
    int dialogAnswer = 0;
    // EditedFlag: the language editor was typed in this run; nothing clears it.
    bool editedFlag = false;
    QString exportFolder;     // where the Save dialog opens: the folder last chosen in the run
    QString wordTemplatePath; // set by the deferred start-up steps
    QString wordTemplateHPath;
    // Which renderer composes the pages and why, as chosen at start-up: a technical line.
    QString renderer;
    Options options;
    SettingsValues settings;
    LanguageFile language;
};
