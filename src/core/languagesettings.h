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
    QString translator;    // TRANSLATOR: auto, local (Apertium only) or web
    QString renderer;      // RENDERER: auto, gpu or software; read once, at start-up
    std::optional<qint16> tabNumber;
    std::optional<qint16> tabWidth; // twips, as the file gave it

    // What the shipped files give; a strip this wide still leaves the address readable.
    static constexpr int DefaultTabWidth = 8800;
    // Wider than any screen's room for tabs; a larger value is a slip of the pen.
    static constexpr int MaxTabWidth = 24000;

    // The tab strip's width in twips: TAB_WIDTH when it is usable, the default when it is
    // missing, zero, negative or huge, so no language file can hide the tabs or the
    // address bar.
    int tabStripWidth() const {
        return tabWidth && *tabWidth > 0 && *tabWidth <= MaxTabWidth ? int(*tabWidth)
                                                                     : DefaultTabWidth;
    }
};
