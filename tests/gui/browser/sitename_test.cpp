#include "browser/sitename.h"
#include "filehelpers.h"

#include <gtest/gtest.h>

TEST(SiteName, WwwAddressesGiveTheNameBetweenWwwAndTheEnding) {
    EXPECT_EQ(SiteName::of("http://www.example.org/some/page.html"), "Example");
    EXPECT_EQ(SiteName::of("https://www.WIKIPEDIA.org"), "Wikipedia");
}

TEST(SiteName, HostsWithoutWwwStayWhole) {
    EXPECT_EQ(SiteName::of("https://en.wiktionary.org/wiki/x"), "En.wiktionary.org");
    EXPECT_EQ(SiteName::of("http://127.0.0.1:8080/a"), "127.0.0.1:8080");
}

TEST(SiteName, CapitalisedSchemesAreKept) {
    // Only lower-case schemes are removed; the rest is cut at the first "/".
    EXPECT_EQ(SiteName::of("HTTP://www.example.org/"), "Http:");
}

TEST(SiteName, BareWordsAndOddInput) {
    EXPECT_EQ(SiteName::of("hELLO"), "Hello");
    EXPECT_EQ(SiteName::of(""), "");
    EXPECT_EQ(SiteName::of("two words/x"), "Two Words");
}

TEST(SiteName, ALocalPageIsNamedAfterItsFile) {
    EXPECT_EQ(SiteName::of("file:///opt/q/Data/start.html"), "Start");
    EXPECT_EQ(SiteName::of("FILE:///tmp/my%20notes.page.htm"), "My Notes");
}
