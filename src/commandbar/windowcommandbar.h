#pragma once

#include "commandbar/commandbarpresenter.h"
#include "commandbar/imagelist.h"
#include "windowbars.h"

#include <QPointer>
#include <QToolBar>
#include <memory>

class CommandRegistry;
class ProgramFolder;
class QString;

// cmdBar of a secondary window: the window's element of the shared bars, shown as one
// toolbar with the window's own pictures. Its clicks arrive at presenter().buttonClick
// with the element's index. The window's buttons and bar are built on first use in the
// registry; a panel's hosted widget must be set on its button before this is made.
class WindowCommandBar {
public:
    // barStyle: the main window's bar style, which every window's bar follows.
    WindowCommandBar(CommandRegistry &registry, const ProgramFolder &folder, int barStyle,
                     WindowBars::Window window);
    WindowCommandBar(const WindowCommandBar &) = delete;
    WindowCommandBar &operator=(const WindowCommandBar &) = delete;

    int index() const { return m_index; }
    // Not parented: the window puts it in its layout.
    QToolBar *toolBar() const { return m_toolBar; }
    CommandBarPresenter &presenter() const { return *m_presenter; }

private:
    int m_index;
    ImageList m_images; // before the presenter, which draws from it
    std::unique_ptr<CommandBarPresenter> m_presenter;
    QPointer<QToolBar> m_toolBar;
};
