// The yes/no input dialog: its question in the bar, its answers in DialogAnswer.
#include "commandbar/windowcommandbar.h"
#include "windows/inputdialog.h"
#include "windowstestsupport.h"

#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace {

class InputDialogTest : public WindowsTest {};

QLabel *question(const InputDialog &dialog) {
    return dialog.findChild<QLabel *>(QStringLiteral("labTitle"));
}

TEST_F(InputDialogTest, TheQuestionStandsInTheBarBetweenTheAnswers) {
    InputDialog dialog(context());
    dialog.show();

    EXPECT_EQ(shownEntries(dialog.toolBar()), QStringList({"OKYES", "|", "labTitle", "|", "OKNO"}));
    ASSERT_NE(question(dialog), nullptr);
    EXPECT_TRUE(question(dialog)->isVisible());
    EXPECT_EQ(question(dialog)->text(), QStringLiteral("Leave without saving?"));
    EXPECT_EQ(question(dialog)->width(), 150);

    auto *yes = qobject_cast<QToolButton *>(barButton(dialog.toolBar(), QStringLiteral("OKYES")));
    auto *no = qobject_cast<QToolButton *>(barButton(dialog.toolBar(), QStringLiteral("OKNO")));
    ASSERT_TRUE(yes && no);
    EXPECT_EQ(yes->text(), QStringLiteral("Yes"));
    EXPECT_EQ(no->text(), QStringLiteral("No"));
    EXPECT_EQ(yes->accessibleName(), QStringLiteral("Yes"));
    EXPECT_EQ(yes->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    EXPECT_FALSE(yes->icon().isNull());
    EXPECT_FALSE(no->icon().isNull());
}

TEST_F(InputDialogTest, IsModal4100TwipsWideAndShowsBothAnswers) {
    InputDialog dialog(context());
    dialog.show();
    EXPECT_TRUE(dialog.isModal());
    const double dpi = dialog.screen()->logicalDotsPerInchX();
    // 4100 twips, or wider where the bar needs more room for a longer answer.
    const long twipsWide = std::lround(4100 * dpi / 1440);
    EXPECT_EQ(dialog.width(), std::max<long>(twipsWide, dialog.toolBar()->sizeHint().width()));
    EXPECT_TRUE(barButton(dialog.toolBar(), QStringLiteral("OKYES"))->isVisible());
    EXPECT_TRUE(barButton(dialog.toolBar(), QStringLiteral("OKNO"))->isVisible());
}

TEST_F(InputDialogTest, YesLeavesOneAndCloses) {
    InputDialog dialog(context());
    dialog.show();
    clickBar(dialog.toolBar(), QStringLiteral("OKYES"));
    EXPECT_EQ(state.dialogAnswer, 1);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(InputDialogTest, NoLeavesZeroAndCloses) {
    state.dialogAnswer = 1;
    InputDialog dialog(context());
    dialog.show();
    clickBar(dialog.toolBar(), QStringLiteral("OKNO"));
    EXPECT_EQ(state.dialogAnswer, 0);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(InputDialogTest, TheCloseBoxKeepsTheEarlierAnswer) {
    {
        InputDialog first(context());
        first.show();
        clickBar(first.toolBar(), QStringLiteral("OKYES"));
    }
    InputDialog second(context());
    second.show();
    second.close();
    EXPECT_FALSE(second.isVisible());
    EXPECT_EQ(state.dialogAnswer, 1);
}

TEST_F(InputDialogTest, FirstUseClosedWithoutAChoiceLeavesZero) {
    InputDialog dialog(context());
    dialog.show();
    dialog.close();
    EXPECT_EQ(state.dialogAnswer, 0);
}

TEST_F(InputDialogTest, ClicksCarryIndexSixAndOtherIndexesAreIgnored) {
    InputDialog dialog(context());
    QSignalSpy clicks(&dialog.commandBar().presenter(), &CommandBarPresenter::buttonClick);
    dialog.show();

    // The same keys from another window's bar are not this dialog's business.
    dialog.buttonClick(5, QStringLiteral("OKYES"));
    dialog.buttonClick(7, QStringLiteral("OKNO"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(state.dialogAnswer, 0);

    clickBar(dialog.toolBar(), QStringLiteral("OKYES"));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 6);
    EXPECT_EQ(state.dialogAnswer, 1);
}

TEST_F(InputDialogTest, OpensClosesAndReopensWithTheSameBar) {
    const int bars = registry.bars().count();
    for (int opening = 0; opening < 3; ++opening) {
        InputDialog dialog(context());
        dialog.show();
        EXPECT_EQ(shownEntries(dialog.toolBar()),
                  QStringList({"OKYES", "|", "labTitle", "|", "OKNO"}))
            << "opening " << opening;
        EXPECT_EQ(question(dialog)->text(), QStringLiteral("Leave without saving?"));
        clickBar(dialog.toolBar(), QStringLiteral("OKNO"));
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(registry.bars().count(), bars + 1);

    // The same dialog shown again works as well.
    InputDialog dialog(context());
    dialog.show();
    clickBar(dialog.toolBar(), QStringLiteral("OKNO"));
    dialog.show();
    clickBar(dialog.toolBar(), QStringLiteral("OKYES"));
    EXPECT_EQ(state.dialogAnswer, 1);
}

} // namespace
