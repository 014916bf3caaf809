#pragma once

#include "maincommandset.h"
#include "maincommandtable.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QToolBar>

class CommandBarPresenter;
class CommandRegistry;
class ImageList;
class LanguageFile;
class ProgramFolder;
class QMenu;
class QWidget;

// The main window's command bars: builds the main command set and bars into the shared
// registry and shows them as the three toolbars of cmdBar elements 0, 1 and 2 (STANDARD0,
// STANDARD1 with the tab strip, STANDARD2) with the seven drop-down menus (SAVE, EDIT,
// FILE, NAVIGATE, TTS, SPEAK, LANG). Every click arrives at buttonClick: toolbar buttons
// with their element's index, menu items with index 3. Menu items show the keys the command
// table gives their commands.
class MainCommandBars : public QObject {
    Q_OBJECT

public:
    static constexpr int ToolbarCount = 3;
    // The element that shows all drop-down menus.
    static constexpr int MenuIndex = MainCommandTable::MenuElement;
    // Not an element: the keys of the commands that only the keyboard gives.
    static constexpr int KeyboardIndex = MainCommandTable::KeyboardElement;

    MainCommandBars(CommandRegistry &registry, ImageList &images, QObject *parent = nullptr);
    ~MainCommandBars() override;

    // BuildMainCommandSet, BuildMainBars, then the toolbars and menus in the current bar
    // style. The tab strip is hosted in NIL4 at the given width in pixels. Once per
    // registry: the keys exist afterwards (a second call throws std::invalid_argument).
    // The images must hold ImageList1's pictures (MainImages::load) beforehand.
    void build(const LanguageFile &language, const ProgramFolder &folder, QWidget *tabStrip,
               int tabPanelWidthPx);

    // cmdBar element 0, 1 or 2; nullptr for another element or before build(). The
    // window takes the toolbars (QMainWindow::addToolBar or a layout).
    QToolBar *toolbar(int element) const;
    // The drop-down menu of the bar of that key (SAVE, EDIT, ...); nullptr when none.
    QMenu *menu(const QString &barKey) const;
    // What BuildMainCommandSet left: InstalledLanguages and the first translation icon.
    const MainCommandSet &commandSet() const { return m_set; }
    CommandBarPresenter &presenter() const { return *m_presenter; }

    // BarStyle of elements 0, 1 and 2, in that order, and of the menus: 0 system,
    // 1 office, 2 money, 3 XP. A value outside 0..3 keeps the current look.
    void setBarStyle(int style);
    int barStyle() const;

    // A key pressed for a command arrives as the click on its button would, with the
    // button's bar index (KeyboardIndex for a key without a button).
    void choose(int barIndex, const QString &key) { Q_EMIT buttonClick(barIndex, key); }

Q_SIGNALS:
    void buttonClick(int barIndex, const QString &key);
    void menuOpened(int barIndex);
    void menuClosed(int barIndex);

private:
    // Each menu item whose command has a key shows it, in Qt's own key names. Shown only:
    // the window's shortcut gives the command, as the menu item's click does.
    void showKeysInMenus();

    CommandRegistry &m_registry;
    ImageList &m_images;
    CommandBarPresenter *m_presenter;
    MainCommandSet m_set;
    QPointer<QToolBar> m_toolbars[ToolbarCount];
};
