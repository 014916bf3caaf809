#include "export/savedialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

// What the dialog showed the user when it came up.
struct Seen {
    QString title;
    QString name;
    QString folder;
};

// Once the dialog shows: notes what it shows, types typed (unless null) and accepts or
// cancels, as a user does.
std::shared_ptr<Seen> answerWhenShown(const QString &typed, bool accept) {
    auto seen = std::make_shared<Seen>();
    QTimer::singleShot(0, [seen, typed, accept] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        *seen = {dialog->windowTitle(), name->text(), dialog->directory().absolutePath()};
        if (!typed.isNull())
            name->setText(typed);
        // As the user ends it: Enter in the name field saves, Esc cancels.
        QMetaObject::invokeMethod(dialog, accept ? "accept" : "reject");
    });
    return seen;
}

} // namespace

// One Save dialog serves every export of a run: each time it shows that export's title,
// name and folder, and nothing left from the time before.
TEST(SaveDialogTest, OneDialogServesEveryExportWithNothingLeftFromTheLastOne) {
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    QWidget window;
    window.show();
    SaveDialog saveDialog;
    saveDialog.prepare(&window);

    auto seen = answerWhenShown(QStringLiteral("typed name.doc"), true);
    const QString written =
        saveDialog.ask(&window, {QStringLiteral("Word"), QStringLiteral("Word (*.doc)"),
                                 QStringLiteral("Offered.doc"), first.path()});
    EXPECT_EQ(seen->title, QStringLiteral("Word"));
    EXPECT_EQ(seen->name, QStringLiteral("Offered.doc"));
    EXPECT_EQ(seen->folder, QDir(first.path()).absolutePath());
    EXPECT_EQ(written, QDir(first.path()).filePath(QStringLiteral("typed name.doc")));

    // The next export offers no name, in another folder, and the user cancels.
    seen = answerWhenShown(QString(), false);
    const QString cancelled = saveDialog.ask(
        &window,
        {QStringLiteral("Archive"), QStringLiteral("Web archive (*.mht)"), {}, second.path()});
    EXPECT_EQ(seen->title, QStringLiteral("Archive"));
    EXPECT_EQ(seen->name, QString()) << "the name typed for the last export came back";
    EXPECT_EQ(seen->folder, QDir(second.path()).absolutePath());
    EXPECT_TRUE(cancelled.isEmpty());
    EXPECT_EQ(window.findChildren<QFileDialog *>().size(), 1);
}
