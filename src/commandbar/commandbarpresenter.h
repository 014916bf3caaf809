#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class CommandBar;
class CommandButton;
class ImageList;
class QAction;
class QMenu;
class QToolBar;

// Shows bars of the shared collections as Qt widgets (the drawing half of the command-bar
// component): a bar as a QToolBar of QActions, the bar of a button (its Bar) as
// that button's QMenu. Buttons stay the model: every change of a button's caption,
// tooltip, picture, Checked or Enabled reaches its actions at once.
//
// - Toolbar buttons show their picture only (the caption as well when ShowCaption is
//   on); their tooltip is ToolTip, their accessible name the caption, or the tooltip
//   when the caption is empty.
// - Menu items show picture and caption; check and option buttons are checkable actions.
// - A button with a Bar opens its menu: at a click when ShowDropDown is on, from its
//   arrow otherwise.
// - Separators are separators; a panel holds its PanelWidget (or empty room) PanelWidth
//   pixels wide.
// - A check button's Checked is toggled before the click is reported; an option button's
//   Checked is left to the program.
class CommandBarPresenter : public QObject {
    Q_OBJECT

public:
    explicit CommandBarPresenter(const ImageList &images, QObject *parent = nullptr);
    ~CommandBarPresenter() override;

    // ToolbarBar: a toolbar showing the bar; its clicks carry `index`, the clicks, opening
    // and closing of its menus carry `menuIndex`. The toolbar has no parent yet: the
    // window adds it where it belongs (one that no window took goes with the presenter).
    // Its menus are its children.
    QToolBar *createToolBar(const CommandBar &bar, int index, int menuIndex);
    // A menu showing the bar (also used for the menus of createToolBar); owned by parent,
    // or by the presenter when parent is nullptr.
    QMenu *createMenu(const CommandBar &bar, int index, QWidget *parent = nullptr);

    // BarStyle of every toolbar and menu made here; a value outside 0..3 changes nothing.
    void setBarStyle(int style);
    int barStyle() const { return m_barStyle; }

    // The actions that show a button (a button may stand on several bars).
    QList<QAction *> actionsOf(const CommandButton *button) const;
    // The menu made for a bar, when it was made once; nullptr otherwise.
    QMenu *menuOf(const CommandBar *bar) const;

Q_SIGNALS:
    void buttonClick(int index, const QString &key);
    void menuOpened(int index);
    void menuClosed(int index);

private:
    QAction *createAction(CommandButton &button, int index, QObject *owner);
    QMenu *buildMenu(const CommandBar &bar, int index, QWidget *parent, int depth);
    void present(QAction *action, const CommandButton &button) const;
    void buttonChanged(CommandButton *button);
    void applyStyle(QToolBar *toolBar) const;
    void applyStyle(QMenu *menu) const;

    const ImageList &m_images;
    int m_barStyle = 0;
    QList<QPointer<QToolBar>> m_toolBars;
    QList<QPointer<QMenu>> m_menus;
    QList<QPointer<QMenu>> m_ownedMenus;
    QHash<const CommandBar *, QPointer<QMenu>> m_menuOfBar;
    QMultiHash<const CommandButton *, QPointer<QAction>> m_actions;
    QHash<const CommandButton *, QPointer<QWidget>> m_panelRooms;
};
