#pragma once

#include <QString>
#include <QStringList>

// Which Apertium mode translates a page's language into the user's, and which Debian package
// gives the pair when it is not installed. The shipped table holds the pairs Debian 12
// packages among Spanish, Catalan, Galician, Basque, Occitan, Aragonese, Asturian, Breton,
// French, Portuguese, Italian and English; languages by ISO 639-1 code, or ISO 639-3 where
// there is none ("ast").
class PairTable {
public:
    struct Row {
        const char *from;
        const char *to;
        const char *mode;
        const char *package;
    };
    struct Choice {
        // An installed mode, or "" when none translates the pair.
        QString mode;
        // With no mode: the package to suggest, or "" when Debian has none.
        QString package;
    };

    static const Row *begin();
    static const Row *end();

    // pageLanguage and myLanguage as codes ("es", "es-ES", "en"); installedModes as
    // `apertium -l` lists them (LocalPairs::modes()).
    static Choice choose(const QString &pageLanguage, const QString &myLanguage,
                         const QStringList &installedModes);
};
