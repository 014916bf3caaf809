#pragma once

#include <QString>

// The user's choices kept in the OptionsFile, in its line order.
struct Options {
    qint16 selectedBarStyle = 0; // 0 system, 1 office, 2 money, 3 XP
    qint16 spareA = 0;           // read and written back unchanged
    qint16 autoHideBars = 0;     // 1: floating bars
    qint16 spareB = 0;           // read and written back unchanged
    QString homeAddress;         // "" means the default home address
    QString currentLanguage = QStringLiteral("English");
};
