#include "maincommandbars.h"

#include "commandbarpresenter.h"
#include "commandregistry.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

MainCommandBars::MainCommandBars(CommandRegistry &registry, ImageList &images, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_images(images)
    , m_presenter(new CommandBarPresenter(images, this)) {
    connect(m_presenter, &CommandBarPresenter::buttonClick, this, &MainCommandBars::buttonClick);
    connect(m_presenter, &CommandBarPresenter::menuOpened, this, &MainCommandBars::menuOpened);
    connect(m_presenter, &CommandBarPresenter::menuClosed, this, &MainCommandBars::menuClosed);
}

MainCommandBars::~MainCommandBars() = default;

void MainCommandBars::build(const LanguageFile &language, const ProgramFolder &folder,
                            QWidget *tabStrip, int tabPanelWidthPx) {
    m_set = MainCommands::BuildMainCommandSet(m_registry, m_images, language, folder, tabStrip,
                                              tabPanelWidthPx);
    MainCommands::BuildMainBars(m_registry, language, m_set);
    for (const MainCommandTable::Bar *table : MainCommandTable::bars()) {
        const int element = table->element;
        if (element < 0 || element >= ToolbarCount)
            continue;
        const CommandBar *bar = m_registry.bar(QLatin1String(table->key));
        m_toolbars[element] = m_presenter->createToolBar(*bar, element, MenuIndex);
        m_toolbars[element]->setObjectName(QStringLiteral("cmdBar%1").arg(element));
    }
    showKeysInMenus();
}

void MainCommandBars::showKeysInMenus() {
    for (const MainCommandTable::Command &command : MainCommandTable::commands()) {
        const CommandButton *button = m_registry.find(QLatin1String(command.key));
        if (command.bar->element != MenuIndex || !button ||
            !MainCommandTable::isGiven(command.keys[0]))
            continue;
        for (QAction *action : m_presenter->actionsOf(button)) {
            if (!qobject_cast<QMenu *>(action->parent()))
                continue;
            action->setShortcut(command.keys[0]);
            // Active only while its own menu has the focus, so it never competes with the
            // window's shortcut.
            action->setShortcutContext(Qt::WidgetShortcut);
        }
    }
}

QToolBar *MainCommandBars::toolbar(int element) const {
    if (element < 0 || element >= ToolbarCount)
        return nullptr;
    return m_toolbars[element];
}

QMenu *MainCommandBars::menu(const QString &barKey) const {
    const CommandBar *bar = m_registry.bars().find(barKey);
    return bar ? m_presenter->menuOf(bar) : nullptr;
}

void MainCommandBars::setBarStyle(int style) {
    m_presenter->setBarStyle(style);
}

int MainCommandBars::barStyle() const {
    return m_presenter->barStyle();
}
