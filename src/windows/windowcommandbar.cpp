#include "windowcommandbar.h"

#include "commandbar/commandregistry.h"
#include "windowcontext.h"
#include "windowimages.h"

WindowCommandBar::WindowCommandBar(const WindowContext &context, WindowBars::Window window)
    : m_index(WindowBars::definition(window).element)
    , m_images(WindowImages::forWindow(window, context.folder))
    , m_presenter(std::make_unique<CommandBarPresenter>(m_images)) {
    const CommandBar &bar = WindowBars::ensureBuilt(context.registry, window);
    m_toolBar = m_presenter->createToolBar(bar, m_index, m_index);
    m_presenter->setBarStyle(context.currentBarStyle());
}
