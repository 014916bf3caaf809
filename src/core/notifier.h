#pragma once

#include <QString>

// Everything the user is told goes through here, so a test can read what a user would
// have seen.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void inform(const QString &title, const QString &text) = 0;
    virtual void warn(const QString &title, const QString &text) = 0;
    // Yes or no; true for yes.
    virtual bool ask(const QString &title, const QString &text) = 0;
};
