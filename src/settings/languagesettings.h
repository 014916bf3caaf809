#pragma once

#include <QString>
#include <optional>

// The settings a LanguageFile carries besides its texts. A setting keeps its value when a
// newly loaded file lacks its key.
struct LanguageSettings {
    QString startPage;
    QString lang; // three letters that pick the link table's help document
    QString searchUrl;
    QString searchDescr;
    QString dictionaryUrl;
    QString dictionaryDescr;
    QString mapUrl;
    QString mapDescr;
    QString socialUrl;
    QString socialDescr;
    QString ecommerceUrl;
    QString ecommerceDescr;
    QString translatorPath;
    QString translateHost; // host of the selection translation page
    std::optional<qint16> tabNumber;
    std::optional<qint16> tabWidth; // twips
};
