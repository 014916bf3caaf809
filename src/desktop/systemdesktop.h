#pragma once

#include "desktop/desktop.h"

// The desktop of the machine the program runs on.
class SystemDesktop : public Desktop {
public:
    explicit SystemDesktop(QString programFolder);

    bool openUrl(const QUrl &url) override;
    bool openProgramFile(const QString &path) override;
    bool openSettings(SettingsPanel panel) override;

private:
    QString m_programFolder;
};
