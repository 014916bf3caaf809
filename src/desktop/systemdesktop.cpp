#include "desktop/systemdesktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

struct SettingsTool {
    Desktop::SettingsPanel panel;
    const char *program;
    const char *argument; // may be empty
};

// The settings tools of the common desktops, in the order they are tried.
const SettingsTool SettingsTools[] = {
    {Desktop::SettingsPanel::Security, "gnome-control-center", "privacy"},
    {Desktop::SettingsPanel::Security, "systemsettings", "kcm_firewall"},
    {Desktop::SettingsPanel::Security, "gufw", ""},
    {Desktop::SettingsPanel::Sound, "pavucontrol", ""},
    {Desktop::SettingsPanel::Sound, "gnome-control-center", "sound"},
    {Desktop::SettingsPanel::Sound, "systemsettings", "kcm_pulseaudio"},
    {Desktop::SettingsPanel::Sound, "xfce4-mixer", ""},
    {Desktop::SettingsPanel::Network, "nm-connection-editor", ""},
    {Desktop::SettingsPanel::Network, "gnome-control-center", "network"},
    {Desktop::SettingsPanel::Network, "systemsettings", "kcm_networkmanagement"},
};

} // namespace

SystemDesktop::SystemDesktop(QString programFolder)
    : m_programFolder(QDir(programFolder).canonicalPath()) {}

bool SystemDesktop::openUrl(const QUrl &url) {
    return (isWebAddress(url) || isMailAddress(url)) && QDesktopServices::openUrl(url);
}

bool SystemDesktop::openProgramFile(const QString &path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty() || m_programFolder.isEmpty() ||
        !canonical.startsWith(m_programFolder + QLatin1Char('/')) ||
        QFileInfo(canonical).isExecutable())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(canonical));
}

bool SystemDesktop::openSettings(SettingsPanel panel) {
    for (const SettingsTool &tool : SettingsTools) {
        if (tool.panel != panel)
            continue;
        const QString program = QStandardPaths::findExecutable(QLatin1String(tool.program));
        if (program.isEmpty())
            continue;
        QStringList arguments;
        if (*tool.argument)
            arguments.append(QLatin1String(tool.argument));
        if (QProcess::startDetached(program, arguments))
            return true;
    }
    return false;
}
