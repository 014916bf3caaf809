#pragma once

#include "core/languagesettings.h"

#include <QString>

class CommandButton;
class LanguageFile;

// Where a button's caption or tooltip comes from in the language file.
struct CommandText {
    enum class Property { None, Caption, ToolTip };
    enum class Source {
        Caption,          // CaptionTable slot `caption`
        Setting,          // the LanguageSettings member `setting`
        LanguageFileName, // "trans_" + CurrentLanguage in proper case + ".txt"
    };

    Property property = Property::None;
    Source source = Source::Caption;
    int caption = 0;
    QString LanguageSettings::*setting = nullptr;

    static constexpr CommandText none() { return {}; }
    static constexpr CommandText captionOf(int n) {
        return {Property::Caption, Source::Caption, n, nullptr};
    }
    static constexpr CommandText toolTipOf(int n) {
        return {Property::ToolTip, Source::Caption, n, nullptr};
    }
    static constexpr CommandText toolTipOf(QString LanguageSettings::*setting) {
        return {Property::ToolTip, Source::Setting, 0, setting};
    }
    static constexpr CommandText languageFileName() {
        return {Property::Caption, Source::LanguageFileName, 0, nullptr};
    }

    // The text in the current language.
    QString of(const LanguageFile &language, const QString &currentLanguage) const;
    // Puts it on the button as the caption or tooltip it is; no text leaves the button alone.
    void applyTo(CommandButton &button, const LanguageFile &language,
                 const QString &currentLanguage) const;
};
