#include "maincommandbars.h"

#include "commandbarpresenter.h"
#include "commandregistry.h"
#include "mainshortcuttable.h"

#include <QMenu>
#include <QToolBar>

namespace {

const char *const ToolbarBars[] = {"STANDARD0", "STANDARD1", "STANDARD2"};

} // namespace

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
    for (int element = 0; element < ToolbarCount; ++element) {
        const CommandBar *bar = m_registry.bar(QString::fromLatin1(ToolbarBars[element]));
        m_toolbars[element] = m_presenter->createToolBar(*bar, element, MenuIndex);
        m_toolbars[element]->setObjectName(QStringLiteral("cmdBar%1").arg(element));
    }
    MainShortcutTable::showInMenus(m_registry, *m_presenter);
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
