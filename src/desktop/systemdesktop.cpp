#include "desktop/systemdesktop.h"

#include "text/programfolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace {

// xdg-open starts, and so reports success, even where nothing on the desktop opens the
// file's type: the user would wait for a window that never comes. The desktop is asked
// first which program it would use; no answer means none. Where it cannot be asked (no
// xdg-utils, or no answer in time), the opener is left to try.
bool desktopHasViewerFor(const QString &path) {
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return true;
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return true;
    constexpr int QueryTimeLimitMs = 5000;
    QProcess query;
    QEventLoop loop;
    QObject::connect(&query, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&query, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(QueryTimeLimitMs, &loop, &QEventLoop::quit);
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                          QMimeDatabase().mimeTypeForFile(path).name()});
    if (query.state() != QProcess::NotRunning)
        loop.exec();
    if (query.state() != QProcess::NotRunning) {
        query.kill();
        query.waitForFinished(1000);
        return true;
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return true;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

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

SystemDesktop::SystemDesktop(const ProgramFolder &folder) {
    for (const QString &root : {folder.root(), folder.shippedRoot()}) {
        const QString canonical = QDir(root).canonicalPath();
        if (!canonical.isEmpty() && !m_folders.contains(canonical))
            m_folders.append(canonical);
    }
}

bool SystemDesktop::openUrl(const QUrl &url) {
    return (isWebAddress(url) || isMailAddress(url)) && QDesktopServices::openUrl(url);
}

bool SystemDesktop::openProgramFile(const QString &path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const auto inside = [&canonical](const QString &folder) {
        return canonical.startsWith(folder + QLatin1Char('/'));
    };
    if (canonical.isEmpty() || std::none_of(m_folders.begin(), m_folders.end(), inside) ||
        QFileInfo(canonical).isExecutable() || !desktopHasViewerFor(canonical))
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
