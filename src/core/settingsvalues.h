#pragma once

#include <QString>
#include <QStringList>

// A window's Top, Left, Height and Width in twips.
template <typename Number> struct Placement {
    Number top = 0;
    Number left = 0;
    Number height = 0;
    Number width = 0;
};

// What the SettingsFile holds.
struct SettingsValues {
    // Whole twips. Held in 32 bits: a window on a screen wider than 2184 pixels has
    // a width past the 16-bit range, and reading it back must not fail.
    Placement<qint32> main;
    Placement<double> linkTable; // 0: the link table window centres itself
    Placement<double> editor;    // 0: the link entry editor centres itself
    qint16 windowMode = 0;       // 2: the main window covers the screen
    QString myLanguage;
    // Languages whose pages are never offered for translation, by code ("es").
    QStringList neverTranslate;
};
