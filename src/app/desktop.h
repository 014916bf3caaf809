#pragma once

#include <QString>

class QUrl;

// What the program hands to the desktop: web addresses to the default browser, its own
// files to their default viewer, and the desktop's settings panels. Nothing else is ever
// handed over, so nothing a page or the address bar holds can start a program.
class Desktop {
public:
    enum class SettingsPanel { Security, Sound, Network };

    virtual ~Desktop() = default;

    // Only http, https and ftp addresses with a host; false for anything else.
    virtual bool openWebAddress(const QUrl &url) = 0;
    // Only files inside the program folder; false for anything else or a missing file.
    virtual bool openProgramFile(const QString &path) = 0;
    // False when no settings tool for the panel is installed.
    virtual bool openSettings(SettingsPanel panel) = 0;

    static bool isWebAddress(const QUrl &url);
};
