#include "translate/pairtable.h"

#include "translate/translatorchoice.h"

#include <iterator>

namespace {

// Mode names as each package installs them: older pairs keep two-letter names.
const PairTable::Row Rows[] = {
    {"es", "en", "spa-eng", "apertium-eng-spa"},  {"en", "es", "eng-spa", "apertium-eng-spa"},
    {"ca", "en", "cat-eng", "apertium-eng-cat"},  {"en", "ca", "eng-cat", "apertium-eng-cat"},
    {"es", "ca", "spa-cat", "apertium-spa-cat"},  {"ca", "es", "cat-spa", "apertium-spa-cat"},
    {"es", "gl", "es-gl", "apertium-es-gl"},      {"gl", "es", "gl-es", "apertium-es-gl"},
    {"en", "gl", "en-gl", "apertium-en-gl"},      {"gl", "en", "gl-en", "apertium-en-gl"},
    {"pt", "gl", "pt-gl", "apertium-pt-gl"},      {"gl", "pt", "gl-pt", "apertium-pt-gl"},
    {"eu", "es", "eu-es", "apertium-eu-es"},      {"eu", "en", "eu-en", "apertium-eu-en"},
    {"oc", "ca", "oc-ca", "apertium-oc-ca"},      {"ca", "oc", "ca-oc", "apertium-oc-ca"},
    {"oc", "es", "oc-es", "apertium-oc-es"},      {"es", "oc", "es-oc", "apertium-oc-es"},
    {"oc", "fr", "oci-fra", "apertium-oci-fra"},  {"fr", "oc", "fra-oci", "apertium-oci-fra"},
    {"an", "es", "arg-spa", "apertium-spa-arg"},  {"es", "an", "spa-arg", "apertium-spa-arg"},
    {"an", "ca", "arg-cat", "apertium-arg-cat"},  {"ca", "an", "cat-arg", "apertium-arg-cat"},
    {"es", "ast", "spa-ast", "apertium-spa-ast"}, {"br", "fr", "br-fr", "apertium-br-fr"},
    {"fr", "es", "fr-es", "apertium-fr-es"},      {"es", "fr", "es-fr", "apertium-fr-es"},
    {"fr", "ca", "fra-cat", "apertium-fra-cat"},  {"ca", "fr", "cat-fra", "apertium-fra-cat"},
    {"es", "pt", "es-pt", "apertium-es-pt"},      {"pt", "es", "pt-es", "apertium-es-pt"},
    {"pt", "ca", "por-cat", "apertium-por-cat"},  {"ca", "pt", "cat-por", "apertium-por-cat"},
    {"es", "it", "spa-ita", "apertium-spa-ita"},  {"it", "es", "ita-spa", "apertium-spa-ita"},
    {"ca", "it", "cat-ita", "apertium-cat-ita"},  {"it", "ca", "ita-cat", "apertium-cat-ita"},
};

QString language(const QString &code) {
    return code.trimmed().toLower().section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
}

} // namespace

const PairTable::Row *PairTable::begin() {
    return std::begin(Rows);
}

const PairTable::Row *PairTable::end() {
    return std::end(Rows);
}

PairTable::Choice PairTable::choose(const QString &pageLanguage, const QString &myLanguage,
                                    const QStringList &installedModes) {
    const QString from = language(pageLanguage);
    const QString to = language(myLanguage);
    if (from.isEmpty() || to.isEmpty() || from == to)
        return {};
    QString package;
    for (const Row &row : Rows) {
        if (from != QLatin1String(row.from) || to != QLatin1String(row.to))
            continue;
        if (installedModes.contains(QLatin1String(row.mode)))
            return {QString::fromLatin1(row.mode), {}};
        if (package.isEmpty())
            package = QString::fromLatin1(row.package);
    }
    // A pair from outside the table, installed by hand, serves as well.
    const QString mode = TranslatorChoice::modeFor(installedModes, from, to);
    if (!mode.isEmpty())
        return {mode, {}};
    return {{}, package};
}
