// The rule of the offer bar, without a page.
#include "translate/tabtranslation.h"

#include <gtest/gtest.h>

namespace {

using Setting = TranslatorChoice::Setting;
using Shown = TabTranslation::Shown;
const QStringList Installed = {"spa-eng", "eng-spa"};

TabTranslation::Decision decide(const QString &page, Setting setting = Setting::Auto,
                                const QStringList &never = {}, bool asked = false) {
    return TabTranslation::decide(page, QStringLiteral("en"), never, setting, Installed, asked);
}

} // namespace

TEST(TabTranslationOffer, APageOfAnotherLanguageWithAnInstalledPairIsOffered) {
    const auto spanish = decide("es");
    EXPECT_EQ(spanish.shown, Shown::Offer);
    EXPECT_EQ(spanish.mode, "spa-eng");
    EXPECT_EQ(decide("es-MX").mode, "spa-eng");
    // The reader's own language, or none found, offers nothing unless asked.
    EXPECT_EQ(decide("en").shown, Shown::Nothing);
    EXPECT_EQ(decide("EN-gb").shown, Shown::Nothing);
    EXPECT_EQ(decide("").shown, Shown::Nothing);
    EXPECT_EQ(decide("", Setting::Auto, {}, true).shown, Shown::NoLanguage);
}

TEST(TabTranslationOffer, WithoutAPairThePackageIsNamedOrNothingIsOffered) {
    const auto catalan = decide("ca");
    EXPECT_EQ(catalan.shown, Shown::NoPair);
    EXPECT_EQ(catalan.package, "apertium-eng-cat");
    // Debian has no pair from Japanese: no offer, but an answer when asked.
    EXPECT_EQ(decide("ja").shown, Shown::Nothing);
    const auto asked = decide("ja", Setting::Auto, {}, true);
    EXPECT_EQ(asked.shown, Shown::NoPair);
    EXPECT_TRUE(asked.package.isEmpty());
}

TEST(TabTranslationOffer, NeverAndTheWebSettingAreHonoured) {
    EXPECT_EQ(decide("es", Setting::Auto, {"es"}).shown, Shown::Nothing);
    EXPECT_EQ(decide("es", Setting::Auto, {"es"}, true).shown, Shown::Offer);
    EXPECT_EQ(decide("es", Setting::Local).shown, Shown::Offer);
    const auto web = decide("es", Setting::Web);
    EXPECT_EQ(web.shown, Shown::WebOnly);
    EXPECT_TRUE(web.mode.isEmpty());
}
