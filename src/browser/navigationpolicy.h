#pragma once

#include <QString>

class QUrl;

// Which addresses a page may load. Web pages must never reach the desktop: a link with
// another scheme (mailto:, a program's own scheme, javascript: in a new window) would be
// handed to some other program. Local files are allowed only below the program folder,
// where the start page lives, so no page can read the user's files.
class NavigationPolicy {
public:
    // programFolder: file addresses below it are allowed; empty allows no file address.
    explicit NavigationPolicy(const QString &programFolder = {});

    bool allows(const QUrl &url) const;

private:
    QString m_root; // canonical, no trailing "/"
};
