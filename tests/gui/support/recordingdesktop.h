#pragma once

#include "desktop/desktop.h"

#include <QStringList>
#include <QUrl>

// A desktop that keeps what it was handed instead of opening it.
class RecordingDesktop : public Desktop {
public:
    bool openUrl(const QUrl &url) override {
        opened.append(url.toString());
        return answer;
    }
    bool openProgramFile(const QString &path) override {
        opened.append(path);
        return fileViewer;
    }
    bool openSettings(SettingsPanel panel) override {
        settings.append(static_cast<int>(panel));
        return settingsToolInstalled;
    }

    QStringList opened;     // addresses and paths, in order
    bool answer = true;     // what openUrl answers
    bool fileViewer = true; // what openProgramFile answers: false when no viewer is found
    QList<int> settings;
    bool settingsToolInstalled = true;
};
