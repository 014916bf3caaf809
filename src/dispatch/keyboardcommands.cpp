#include "keyboardcommands.h"

#include "browser/browsertabs.h"
#include "browser/webview.h"
#include "browser/zoomsteps.h"

KeyboardCommands::KeyboardCommands(BrowserTabs &tabs)
    : m_tabs(tabs) {}

bool KeyboardCommands::run(CommandAction action, const QString &key) {
    switch (action) {
    case CommandAction::NextTab:
        nextTab();
        return true;
    case CommandAction::PreviousTab:
        previousTab();
        return true;
    case CommandAction::NumberedTab:
        numberedTab(key);
        return true;
    case CommandAction::ZoomIn:
        zoom(1);
        return true;
    case CommandAction::ZoomOut:
        zoom(-1);
        return true;
    case CommandAction::ZoomReset:
        zoom(0);
        return true;
    default:
        return false;
    }
}

void KeyboardCommands::showTab(int index) {
    if (index < 0 || index >= m_tabs.count())
        return;
    // As a left click on that tab: an unopened tab opens on its left neighbour's page.
    m_tabs.setCurrentIndex(index);
    m_tabs.tabClick(1);
}

void KeyboardCommands::nextTab() {
    // The row is fixed: past its last tab comes its first again.
    showTab((m_tabs.currentIndex() + 1) % m_tabs.count());
}

void KeyboardCommands::previousTab() {
    showTab((m_tabs.currentIndex() + m_tabs.count() - 1) % m_tabs.count());
}

void KeyboardCommands::numberedTab(const QString &key) {
    // The number after "KEY:TAB": 1 is the first tab.
    showTab(key.mid(7).toInt() - 1);
}

void KeyboardCommands::zoom(int direction) {
    if (WebView *view = m_tabs.currentView())
        view->setZoomFactor(ZoomSteps::step(view->zoomFactor(), direction));
}
