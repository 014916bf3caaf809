#pragma once

#include "core/settingsvalues.h"
#include "text/writeresult.h"

#include <QSizeF>
#include <QStringList>

// Data/Quortspeak.Ini: window placements, WindowMode and MyLanguage, 14 lines, then the
// languages never offered for translation, as codes separated by commas (a 15th line that
// older files lack and older programs ignore).
class SettingsFile {
public:
    explicit SettingsFile(QString path);

    // Read_Ini. screen: the screen's width and height in twips. A missing file gives
    // the defaults (the whole screen, MyLanguage "en").
    SettingsValues read(QSizeF screen) const;
    static SettingsValues parse(const QStringList &lines, QSizeF screen);
    static SettingsValues defaults(QSizeF screen);

    // Save_Ini. mainWindow: the main window's placement at this moment, in twips.
    WriteResult save(const SettingsValues &values, const Placement<double> &mainWindow) const;
    static QStringList lines(const SettingsValues &values, const Placement<double> &mainWindow);

private:
    QString m_path;
};
