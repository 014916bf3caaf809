#pragma once

#include <QString>
#include <QStringList>

// Which translator serves a selection: Apertium on this computer or the web translation
// page, as the language file's TRANSLATOR setting and the installed language pairs decide.
// Needs no display, so every rule can be tested alone.
class TranslatorChoice {
public:
    // TRANSLATOR=auto|local|web; anything else counts as auto.
    enum class Setting { Auto, Local, Web };
    enum class Path { Local, Web, None };

    static Setting parseSetting(const QString &value);

    // The installed Apertium mode that translates from into to ("en", "es" as the language
    // file gives them), or "" when none does. A two-letter mode such as "fr-es" counts as
    // it stands; otherwise the codes are taken as Apertium's three-letter names ("en" is
    // "eng", "es" is "spa"). A variant of a mode ("eng-cat_valencia") is never chosen.
    static QString modeFor(const QStringList &installedModes, const QString &from,
                           const QString &to);

    // The mode names that `apertium -l` printed, one a line.
    static QStringList parseModeList(const QString &listing);

    // Local when the setting allows it and a mode exists; the web page unless the setting
    // is local, when nothing is sent.
    static Path choose(Setting setting, const QString &mode);
};
