#pragma once

#include <QString>
#include <memory>

class UnoSession;

// The plugin holding the UNO side, loaded on first use and kept for the rest of the run
// (UNO libraries are not made to be unloaded). Thread-safe.
class UnoPlugin {
public:
    // A new session; null with a sentence saying why when the plugin or LibreOffice's UNO
    // libraries it needs cannot be loaded.
    static std::unique_ptr<UnoSession> createSession(QString *error);

private:
    // Next to the program when installed, else where the build put it.
    static QString location();
};
