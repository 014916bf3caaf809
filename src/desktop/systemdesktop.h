#pragma once

#include "desktop/desktop.h"

#include <QStringList>

class ProgramFolder;

// The desktop of the machine the program runs on.
class SystemDesktop : public Desktop {
public:
    explicit SystemDesktop(const ProgramFolder &folder);

    bool openUrl(const QUrl &url) override;
    bool openProgramFile(const QString &path) override;
    bool openSettings(SettingsPanel panel) override;

private:
    // The program folder and, installed, the folder of its shipped files.
    QStringList m_folders;
};
