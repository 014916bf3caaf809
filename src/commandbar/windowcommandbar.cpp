#include "windowcommandbar.h"

#include "commandbar/commandregistry.h"
#include "windowimages.h"

WindowCommandBar::WindowCommandBar(CommandRegistry &registry, const ProgramFolder &folder,
                                   int barStyle, WindowBars::Window window)
    : m_index(WindowBars::definition(window).element)
    , m_images(WindowImages::forWindow(window, folder))
    , m_presenter(std::make_unique<CommandBarPresenter>(m_images)) {
    const CommandBar &bar = WindowBars::ensureBuilt(registry, window);
    m_toolBar = m_presenter->createToolBar(bar, m_index, m_index);
    m_presenter->setBarStyle(barStyle);
}
