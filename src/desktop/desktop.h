#pragma once

#include <QString>

class QUrl;

// What the program hands to the desktop: web and mail addresses to the default browser or
// mail program, its own files to their default viewer, and the desktop's settings panels.
// Nothing else is ever handed over, so no text a page, a window or the address bar holds
// can start a program.
class Desktop {
public:
    enum class SettingsPanel { Security, Sound, Network };

    virtual ~Desktop() = default;

    // Only web addresses and mail addresses; false for anything else or when the desktop
    // could not open it.
    virtual bool openUrl(const QUrl &url) = 0;
    // Only files inside the program folder or, installed, among its shipped files; false for
    // anything else, a missing file, or a desktop with no program for the file's type.
    virtual bool openProgramFile(const QString &path) = 0;
    // False when no settings tool for the panel is installed.
    virtual bool openSettings(SettingsPanel panel) = 0;

    // http, https and ftp with a host.
    static bool isWebAddress(const QUrl &url);
    // mailto with an address.
    static bool isMailAddress(const QUrl &url);
};
