#include "translate/translatorchoice.h"

namespace {

struct CodeName {
    const char *code;
    const char *name;
};

// Apertium names languages by ISO 639-3; the language files give ISO 639-1.
const CodeName ThreeLetterNames[] = {
    {"ar", "ara"}, {"bg", "bul"}, {"ca", "cat"}, {"cs", "ces"}, {"cy", "cym"}, {"da", "dan"},
    {"de", "deu"}, {"el", "ell"}, {"en", "eng"}, {"eo", "epo"}, {"es", "spa"}, {"et", "est"},
    {"eu", "eus"}, {"fi", "fin"}, {"fr", "fra"}, {"ga", "gle"}, {"gl", "glg"}, {"he", "heb"},
    {"hi", "hin"}, {"hr", "hrv"}, {"hu", "hun"}, {"id", "ind"}, {"is", "isl"}, {"it", "ita"},
    {"ja", "jpn"}, {"kk", "kaz"}, {"ko", "kor"}, {"lt", "lit"}, {"lv", "lav"}, {"mk", "mkd"},
    {"mt", "mlt"}, {"nb", "nob"}, {"nl", "nld"}, {"nn", "nno"}, {"no", "nob"}, {"oc", "oci"},
    {"pl", "pol"}, {"pt", "por"}, {"ro", "ron"}, {"ru", "rus"}, {"sk", "slk"}, {"sl", "slv"},
    {"sq", "sqi"}, {"sr", "srp"}, {"sv", "swe"}, {"th", "tha"}, {"tr", "tur"}, {"uk", "ukr"},
    {"ur", "urd"}, {"vi", "vie"}, {"zh", "zho"},
};

QString threeLetterName(const QString &code) {
    for (const CodeName &entry : ThreeLetterNames) {
        if (code == QLatin1String(entry.code))
            return QString::fromLatin1(entry.name);
    }
    return {};
}

} // namespace

TranslatorChoice::Setting TranslatorChoice::parseSetting(const QString &value) {
    const QString word = value.trimmed().toLower();
    if (word == QLatin1String("local"))
        return Setting::Local;
    if (word == QLatin1String("web"))
        return Setting::Web;
    return Setting::Auto;
}

QString TranslatorChoice::modeFor(const QStringList &installedModes, const QString &from,
                                  const QString &to) {
    const QString source = from.trimmed().toLower();
    const QString target = to.trimmed().toLower();
    if (source.isEmpty() || target.isEmpty() || source == target)
        return {};
    const QString asItStands = source + QLatin1Char('-') + target;
    if (installedModes.contains(asItStands))
        return asItStands;
    const QString source3 = threeLetterName(source);
    const QString target3 = threeLetterName(target);
    if (source3.isEmpty() || target3.isEmpty())
        return {};
    const QString threeLetters = source3 + QLatin1Char('-') + target3;
    return installedModes.contains(threeLetters) ? threeLetters : QString();
}

QStringList TranslatorChoice::parseModeList(const QString &listing) {
    QStringList modes;
    const QStringList lines = listing.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString mode = line.trimmed();
        // A mode name is one word of letters, digits, "-" and "_"; anything else is a message.
        if (mode.isEmpty() || mode.contains(QLatin1Char(' ')) || !mode.contains(QLatin1Char('-')))
            continue;
        modes.append(mode);
    }
    return modes;
}

TranslatorChoice::Path TranslatorChoice::choose(Setting setting, const QString &mode) {
    if (setting == Setting::Web)
        return Path::Web;
    if (!mode.isEmpty())
        return Path::Local;
    return setting == Setting::Local ? Path::None : Path::Web;
}
