#include "commandbarpresenter.h"

#include "barstyles.h"
#include "commandregistry.h"
#include "imagelist.h"
#include "mainimages.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int ToolBarIconSize = 22;
// Menus of menus deeper than this are left out: a bar that drops down from one of its own
// items would otherwise never end.
constexpr int MaxMenuDepth = 8;

// A caption is shown as stored: "&" is not a mnemonic marker.
QString actionText(const QString &caption) {
    QString text = caption;
    text.replace(QLatin1Char('&'), QLatin1String("&&"));
    return text;
}

} // namespace

CommandBarPresenter::CommandBarPresenter(const ImageList &images, QObject *parent)
    : QObject(parent)
    , m_images(images) {}

CommandBarPresenter::~CommandBarPresenter() {
    for (const QPointer<QMenu> &menu : std::as_const(m_ownedMenus))
        delete menu.data();
    // Toolbars that no window took go with the presenter.
    for (const QPointer<QToolBar> &toolBar : std::as_const(m_toolBars)) {
        if (toolBar && !toolBar->parent())
            delete toolBar.data();
    }
}

QToolBar *CommandBarPresenter::createToolBar(const CommandBar &bar, int index, int menuIndex) {
    auto *toolBar = new QToolBar;
    toolBar->setObjectName(bar.key());
    toolBar->setWindowTitle(bar.key());
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const int iconSize = MainImages::sharpIconSize(ToolBarIconSize, qApp->devicePixelRatio());
    toolBar->setIconSize(QSize(iconSize, iconSize));

    for (CommandButton *button : bar.buttons()) {
        switch (button->style()) {
        case ButtonStyle::Separator:
            toolBar->addSeparator();
            break;
        case ButtonStyle::Panel: {
            QWidget *room = button->panelWidget();
            if (!room)
                room = new QWidget;
            room->setObjectName(room->objectName().isEmpty() ? button->key() : room->objectName());
            if (button->panelWidth() > 0)
                room->setFixedWidth(button->panelWidth());
            toolBar->addWidget(room);
            m_panelRooms.insert(button, room);
            connect(button, &CommandButton::changed, this, &CommandBarPresenter::buttonChanged,
                    Qt::UniqueConnection);
            break;
        }
        default: {
            QAction *action = createAction(*button, index, toolBar);
            if (button->bar())
                action->setMenu(buildMenu(*button->bar(), menuIndex, toolBar, 0));
            toolBar->addAction(action);
            if (auto *toolButton = qobject_cast<QToolButton *>(toolBar->widgetForAction(action))) {
                if (button->bar())
                    toolButton->setPopupMode(button->showDropDown() ? QToolButton::InstantPopup
                                                                    : QToolButton::MenuButtonPopup);
                if (button->showCaption())
                    toolButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            }
            present(action, *button);
            break;
        }
        }
    }

    m_toolBars.append(toolBar);
    applyStyle(toolBar);
    return toolBar;
}

QMenu *CommandBarPresenter::createMenu(const CommandBar &bar, int index, QWidget *parent) {
    QMenu *menu = buildMenu(bar, index, parent, 0);
    if (!parent)
        m_ownedMenus.append(menu);
    return menu;
}

QMenu *CommandBarPresenter::buildMenu(const CommandBar &bar, int index, QWidget *parent,
                                      int depth) {
    auto *menu = new QMenu(parent);
    menu->setObjectName(bar.key());
    menu->setToolTipsVisible(true);
    for (CommandButton *button : bar.buttons()) {
        if (button->style() == ButtonStyle::Separator) {
            menu->addSeparator();
            continue;
        }
        if (button->style() == ButtonStyle::Panel)
            continue; // a panel has no place in a menu
        QAction *action = createAction(*button, index, menu);
        if (button->bar() && depth < MaxMenuDepth)
            action->setMenu(buildMenu(*button->bar(), index, menu, depth + 1));
        menu->addAction(action);
        present(action, *button);
    }
    if (depth == 0) {
        connect(menu, &QMenu::aboutToShow, this, [this, index] { Q_EMIT menuOpened(index); });
        connect(menu, &QMenu::aboutToHide, this, [this, index] { Q_EMIT menuClosed(index); });
    }
    if (!m_menuOfBar.value(&bar))
        m_menuOfBar.insert(&bar, menu);
    m_menus.append(menu);
    applyStyle(menu);
    return menu;
}

QAction *CommandBarPresenter::createAction(CommandButton &button, int index, QObject *owner) {
    auto *action = new QAction(owner);
    action->setObjectName(button.key());
    action->setData(button.key());
    action->setCheckable(button.style() == ButtonStyle::Check ||
                         button.style() == ButtonStyle::Option);
    m_actions.insert(&button, action);
    connect(&button, &CommandButton::changed, this, &CommandBarPresenter::buttonChanged,
            Qt::UniqueConnection);

    const QPointer<CommandButton> model(&button);
    connect(action, &QAction::triggered, this, [this, action, model, index](bool checked) {
        if (!model)
            return;
        if (model->style() == ButtonStyle::Check)
            model->setChecked(checked); // the component toggles a check button
        else if (action->isCheckable())
            action->setChecked(model->checked()); // an option button's mark is the program's
        Q_EMIT buttonClick(index, model->key());
    });
    return action;
}

void CommandBarPresenter::present(QAction *action, const CommandButton &button) const {
    // In a menu the text after a tab stands in a column of its own, at the right.
    action->setText(button.note().isEmpty() ? actionText(button.caption())
                                            : actionText(button.caption()) + QLatin1Char('\t') +
                                                  actionText(button.note()));
    action->setToolTip(button.toolTip());
    action->setIcon(m_images.picture(button.icon()));
    action->setEnabled(button.enabled());
    if (action->isCheckable())
        action->setChecked(button.checked());

    // Qt names a tool button after its text only; an icon-only button is named after its
    // tooltip.
    if (auto *toolBar = qobject_cast<QToolBar *>(action->parent())) {
        if (QWidget *widget = toolBar->widgetForAction(action)) {
            widget->setAccessibleName(button.caption().isEmpty() ? button.toolTip()
                                                                 : button.caption());
            widget->setAccessibleDescription(button.toolTip());
        }
    }
}

void CommandBarPresenter::buttonChanged(CommandButton *button) {
    const QList<QPointer<QAction>> actions = m_actions.values(button);
    for (const QPointer<QAction> &action : actions) {
        if (action)
            present(action, *button);
    }
    if (const QPointer<QWidget> room = m_panelRooms.value(button); room && button->panelWidth() > 0)
        room->setFixedWidth(button->panelWidth());
}

void CommandBarPresenter::setBarStyle(int style) {
    if (!BarStyles::isStyle(style))
        return;
    m_barStyle = style;
    for (const QPointer<QToolBar> &toolBar : std::as_const(m_toolBars)) {
        if (toolBar)
            applyStyle(toolBar);
    }
    for (const QPointer<QMenu> &menu : std::as_const(m_menus)) {
        if (menu)
            applyStyle(menu);
    }
}

void CommandBarPresenter::applyStyle(QToolBar *toolBar) const {
    toolBar->setStyleSheet(BarStyles::toolBarStyleSheet(m_barStyle));
}

void CommandBarPresenter::applyStyle(QMenu *menu) const {
    menu->setStyleSheet(BarStyles::menuStyleSheet(m_barStyle));
}

QList<QAction *> CommandBarPresenter::actionsOf(const CommandButton *button) const {
    QList<QAction *> actions;
    for (const QPointer<QAction> &action : m_actions.values(button)) {
        if (action)
            actions.append(action);
    }
    // values() lists the newest first; report them in the order made.
    std::reverse(actions.begin(), actions.end());
    return actions;
}

QMenu *CommandBarPresenter::menuOf(const CommandBar *bar) const {
    return m_menuOfBar.value(bar);
}
