#include "languagefile.h"

#include "text/numericvalue.h"
#include "text/programfolder.h"
#include "text/textfile.h"

#include <QFile>
#include <iterator>

namespace {

const QString PairSeparator = QStringLiteral(":=:");

QString trimSpaces(const QString &line) {
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && line[end - 1] == QLatin1Char(' '))
        --end;
    return line.mid(begin, end - begin);
}

using TextSetting = QString LanguageSettings::*;

struct TextSettingKey {
    const char *key;
    TextSetting member;
};

// START_PAGE ... RENDERER take the text after the first "=" as it stands.
const TextSettingKey TextSettingKeys[] = {
    {"START_PAGE", &LanguageSettings::startPage},
    {"SEARCH_URL", &LanguageSettings::searchUrl},
    {"SEARCH_DESCR", &LanguageSettings::searchDescr},
    {"DICTIONARY_URL", &LanguageSettings::dictionaryUrl},
    {"DICTIONARY_DESCR", &LanguageSettings::dictionaryDescr},
    {"MAP_URL", &LanguageSettings::mapUrl},
    {"MAP_DESCR", &LanguageSettings::mapDescr},
    {"SOCIAL_URL", &LanguageSettings::socialUrl},
    {"SOCIAL_DESCR", &LanguageSettings::socialDescr},
    {"ECOMMERCE_URL", &LanguageSettings::ecommerceUrl},
    {"ECOMMERCE_DESCR", &LanguageSettings::ecommerceDescr},
    {"TRANSLATOR_PATH", &LanguageSettings::translatorPath},
    {"TRANSLATE_HOST", &LanguageSettings::translateHost},
    {"TRANSLATOR", &LanguageSettings::translator},
    {"RENDERER", &LanguageSettings::renderer},
};

struct BuiltInCaption {
    int n;
    const char *text;
};

// What a message needs before any language file has been read.
const BuiltInCaption BuiltInCaptions[] = {
    {105, "The file could not be saved."},
    {106, "The file could not be opened."},
    {107, "The file was not found."},
    {179, "QuortTrans"},
    {207, "The language file could not be loaded."},
};

// The captions after the required ones, as the English file gives them.
const char *const LaterEnglishCaptions[] = {
    "This page is in %1.",
    "Translate into %1",
    "Not now",
    "Never for %1",
    "Translate this page",
    "Show original",
    "Translating the page on this computer: %1 of %2 parts",
    "Translated on this computer. Point at a passage to read its original.",
    "The page could not be translated completely; the rest stays as it was:",
    "No language pair on this computer translates this page. The Debian package %1 gives it.",
    "No language pair on this computer translates this page.",
    "Whole pages are translated on this computer only, and TRANSLATOR=web turns that off.",
    "The page is too large to translate within %1 seconds.",
    "Choose the language of the page in the translate menu first.",
    "Page translation",
    "Search links",
    "Import bookmarks…",
    "Export bookmarks…",
    "Imported",
    "%1 links imported into %2 groups; %3 already there; %4 did not fit",
    "%1 links were skipped: the link table holds web addresses only.",
    "Nothing was imported: the file is not a bookmark file (bookmarks.html).",
    "Nothing was imported: the file is larger than 32 MB.",
    "Nothing was imported: the file holds binary data, not text.",
    "Nothing was imported: the bookmark file is broken near:",
    "Links found",
    "Bookmark files",
};
static_assert(std::size(LaterEnglishCaptions) ==
              LanguageFile::CaptionCount - LanguageFile::RequiredCaptions);

bool isSafeLanguageName(const QString &name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20)
            return false;
    }
    return true;
}

} // namespace

QString LanguageFile::pathFor(const ProgramFolder &folder, const QString &language) {
    if (!isSafeLanguageName(language))
        return {};
    return folder.path(QStringLiteral("languages/Trans_") + language + QStringLiteral(".txt"));
}

bool LanguageFile::load(const QString &path) {
    for (QString &caption : m_captions)
        caption.clear();
    m_captionsRead = 0;
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    parse(TextFile::decodeLines(bytes));
    m_isText = !bytes.contains('\0');
    return true;
}

void LanguageFile::parse(const QStringList &lines) {
    for (QString &caption : m_captions)
        caption.clear();
    int captionCounter = 0;
    int pairCounter = 0;
    for (const QString &line : lines)
        parseLine(line, captionCounter, pairCounter);
    m_read = true;
    m_isText = true;
    m_captionsRead = captionCounter;
}

void LanguageFile::parseLine(const QString &rawLine, int &captionCounter, int &pairCounter) {
    const QString line = trimSpaces(rawLine);
    if (line.isEmpty() || line.startsWith(QLatin1Char('[')) || line.startsWith(QLatin1Char('\'')))
        return;

    if (line.startsWith(QLatin1Char('"'))) {
        ++captionCounter;
        // What lies beyond the table is ignored; a lone quote is an empty caption.
        if (captionCounter <= CaptionCount)
            m_captions[captionCounter] =
                line.size() >= 2 ? line.mid(1, line.size() - 2) : QString();
        return;
    }

    if (line.contains(PairSeparator)) {
        if (pairCounter < TranslationRowCount) {
            const QStringList pieces = line.split(PairSeparator);
            m_rows[pairCounter] = {pieces.value(0), pieces.value(1)};
            m_lastTranslationRow = pairCounter;
            ++pairCounter;
        }
        return;
    }

    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals >= 0)
        applySetting(line.left(equals).toUpper(), line.mid(equals + 1));
}

void LanguageFile::applySetting(const QString &key, const QString &value) {
    for (const TextSettingKey &entry : TextSettingKeys) {
        if (key == QLatin1String(entry.key)) {
            m_settings.*entry.member = value;
            return;
        }
    }
    if (key == QLatin1String("LANG")) {
        m_settings.lang = trimSpaces(value).left(3);
    } else if (key == QLatin1String("TAB_NUMBER")) {
        if (const auto count = NumericValue::roundToInt16(NumericValue::of(value)))
            m_settings.tabNumber = *count;
    } else if (key == QLatin1String("TAB_WIDTH")) {
        if (const auto width = NumericValue::roundToInt16(NumericValue::of(value)))
            m_settings.tabWidth = *width;
    }
    // HELP_PAGE, PROGRAM_MAIL, F2 to F12 and any other key are accepted and ignored.
}

QString LanguageFile::caption(int n) const {
    if (n < 1 || n > CaptionCount)
        return {};
    if (!m_read) {
        for (const BuiltInCaption &builtIn : BuiltInCaptions) {
            if (builtIn.n == n)
                return QString::fromLatin1(builtIn.text);
        }
    }
    if (n > m_captionsRead && n > RequiredCaptions)
        return laterEnglishCaption(n);
    return m_captions[n];
}

QString LanguageFile::laterEnglishCaption(int n) {
    if (n <= RequiredCaptions || n > CaptionCount)
        return {};
    return QString::fromUtf8(LaterEnglishCaptions[n - RequiredCaptions - 1]);
}

const TranslationLanguage &LanguageFile::translationRow(int row) const {
    static const TranslationLanguage none;
    if (row < 0 || row >= TranslationRowCount)
        return none;
    return m_rows[row];
}

const TranslationLanguage *LanguageFile::findTranslationRow(const QString &name) const {
    for (int row = 0; row <= m_lastTranslationRow; ++row) {
        if (m_rows[row].name.trimmed().compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return &m_rows[row];
    }
    return nullptr;
}

const TranslationLanguage *LanguageFile::findTranslationCode(const QString &code) const {
    for (int row = 0; row <= m_lastTranslationRow; ++row) {
        if (m_rows[row].code.compare(code, Qt::CaseInsensitive) == 0)
            return &m_rows[row];
    }
    return nullptr;
}
