#pragma once

#include "commandbar/commandregistry.h"
#include "commandbar/imagelist.h"
#include "commandbar/maincommandset.h"
#include "core/languagefile.h"
#include "core/programstate.h"
#include "filehelpers.h"
#include "programfolderfixture.h"
#include "recordingdesktop.h"
#include "recordingnotifier.h"
#include "text/programfolder.h"
#include "windows/windowcontext.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// A run of the program as the secondary windows see it: a program folder of its own, the
// main command set built in a fresh registry (it brings SEP1, SEP2 and SEP13), the texts
// of one language, and a notifier and desktop that record what reached them.
class WindowsTest : public ::testing::Test {
protected:
    WindowsTest() {
        loadLanguage(QStringLiteral("English"));
        MainCommands::BuildMainCommandSet(registry, mainImages, language, folder);
    }

    void loadLanguage(const QString &name) { language.load(LanguageFile::pathFor(folder, name)); }

    WindowContext context() {
        return {registry, language, folder, notifier, desktop, state, [this] { return barStyle; }};
    }

    // Runs `act` on the modal window as soon as the modal loop the test starts next is
    // running, then closes that window (when `act` left it open), so the loop ends. What a
    // test left waiting ends with the test.
    void whenModal(const std::function<void(QWidget *modal)> &act) {
        QTimer::singleShot(0, &m_scope, [act] {
            act(QApplication::activeModalWidget());
            // Whatever the test found, no modal loop may stay open.
            const auto windows = QApplication::topLevelWidgets();
            for (QWidget *window : windows) {
                if (auto *dialog = qobject_cast<QDialog *>(window); dialog && dialog->isVisible())
                    dialog->done(QDialog::Rejected);
            }
        });
    }

    QString languagesFile(const QString &name) const {
        return programFolder.filePath(QStringLiteral("languages/") + name);
    }

    TemporaryProgramFolder programFolder;
    ProgramFolder folder{programFolder.path()};
    LanguageFile language;
    ImageList mainImages;
    CommandRegistry registry;
    RecordingNotifier notifier;
    RecordingDesktop desktop;
    ProgramState state;
    int barStyle = 0;

private:
    QObject m_scope;
};

// What a toolbar shows, left to right: button keys, "|" for a separator, and the name of
// a hosted widget.
inline QStringList shownEntries(const QToolBar *toolBar) {
    QStringList entries;
    for (QAction *action : toolBar->actions()) {
        if (action->isSeparator())
            entries.append(QStringLiteral("|"));
        else if (!action->objectName().isEmpty())
            entries.append(action->objectName());
        else if (QWidget *widget = toolBar->widgetForAction(action))
            entries.append(widget->objectName());
    }
    return entries;
}

inline QAction *barAction(const QToolBar *toolBar, const QString &key) {
    for (QAction *action : toolBar->actions()) {
        if (action->objectName() == key)
            return action;
    }
    return nullptr;
}

inline QWidget *barButton(const QToolBar *toolBar, const QString &key) {
    QAction *action = barAction(toolBar, key);
    return action ? toolBar->widgetForAction(action) : nullptr;
}

// A click on a button of a shown window's bar, as the user makes it.
inline void clickBar(const QToolBar *toolBar, const QString &key) {
    QWidget *button = barButton(toolBar, key);
    ASSERT_NE(button, nullptr) << key.toStdString();
    ASSERT_TRUE(button->isVisible()) << key.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}
