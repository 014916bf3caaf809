#include "browser/addressbar.h"
#include "browser/browsertabs.h"
#include "core/programstate.h"
#include "fakewebview.h"
#include "filehelpers.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Address : public ::testing::Test {
protected:
    void SetUp() override {
        state.language.parse({"START_PAGE=http://start.example/"});
        tabs.setTabCount(3);
        tabs.setCurrentIndex(1);
    }
    FakeWebView *current() { return static_cast<FakeWebView *>(tabs.currentView()); }
    void typeAndEnter(const QString &text) {
        bar.setAddressText(text);
        QTest::keyClick(&bar, Qt::Key_Return);
    }

    QWidget host;
    ProgramState state;
    BrowserTabs tabs{[this](int) { return new FakeWebView(&host); }};
    AddressBar bar{tabs, state, state.language};
};

} // namespace

TEST_F(Address, AWordAndEnterBecomesAWebAddress) {
    typeAndEnter("example");
    EXPECT_EQ(bar.currentText(), "http://example");
    EXPECT_EQ(current()->calls(), QStringList{"navigate http://example"});
    EXPECT_EQ(tabs.caption(1), "Example");
    EXPECT_EQ(tabs.tabURL(1), "http://example");
    EXPECT_EQ(tabs.currentPage().address, "http://example");
    EXPECT_EQ(state.bookmarkAddress, "http://example");
    EXPECT_EQ(bar.history(), QStringList{"http://example"});
}

TEST_F(Address, SchemesAreRecognisedWithoutRegardToCase) {
    typeAndEnter("FTP://files.example/");
    EXPECT_EQ(bar.currentText(), "FTP://files.example/");
    EXPECT_TRUE(bar.history().isEmpty()); // not a web address: no history entry
    typeAndEnter("HTTPS://Secure.example/");
    EXPECT_EQ(bar.history(), QStringList{"HTTPS://Secure.example/"});
}

TEST_F(Address, ShortAddressesStayOutOfTheHistory) {
    typeAndEnter("http://a"); // eight characters
    EXPECT_TRUE(bar.history().isEmpty());
    typeAndEnter("http://ab");
    EXPECT_EQ(bar.history(), QStringList{"http://ab"});
}

TEST_F(Address, KnownAddressesAreNotAddedTwice) {
    bar.appendHistory({" http://known.example/ "});
    typeAndEnter("http://known.example/");
    typeAndEnter("http://KNOWN.example/");
    EXPECT_EQ(bar.history(), (QStringList{" http://known.example/ ", "http://KNOWN.example/"}));
}

TEST_F(Address, AnEmptyBarOpensTheStartPageAndChangesNothingElse) {
    tabs.setCaption(1, "Before");
    tabs.setTabURL(1, "http://before/");
    typeAndEnter("");
    EXPECT_EQ(current()->calls(), QStringList{"navigate http://start.example/"});
    EXPECT_EQ(tabs.caption(1), "Before");
    EXPECT_EQ(tabs.tabURL(1), "http://before/");
    EXPECT_TRUE(bar.history().isEmpty());
}

TEST_F(Address, ModeZeroNavigatesWithoutHistory) {
    bar.setAddressText("https://duckduckgo.example/");
    bar.openTypedAddress(0);
    EXPECT_EQ(current()->navigations(), QStringList{"https://duckduckgo.example/"});
    EXPECT_TRUE(bar.history().isEmpty());
}

TEST_F(Address, ChoosingAHistoryEntryNavigatesToIt) {
    bar.appendHistory({"http://one.example/", "http://two.example/"});
    EXPECT_EQ(bar.currentText(), ""); // filling the list leaves the bar's text alone
    Q_EMIT bar.activated(1);
    EXPECT_EQ(current()->navigations(), QStringList{"http://two.example/"});
    EXPECT_EQ(bar.history().size(), 2);
}

TEST_F(Address, APagesAddressNeverOverwritesWhatTheUserIsTyping) {
    host.show();
    bar.setParent(&host);
    bar.show();
    QApplication::setActiveWindow(&host);
    bar.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return bar.hasFocus(); }, 3000));
    QTest::keyClicks(&bar, "http://typ");
    bar.showPageAddress("http://loaded.example/");
    EXPECT_EQ(bar.currentText(), "http://typ");

    QTest::keyClick(&bar, Qt::Key_Return);         // what was typed is used ...
    bar.showPageAddress("http://loaded.example/"); // ... and pages show theirs again
    EXPECT_EQ(bar.currentText(), "http://loaded.example/");
}
