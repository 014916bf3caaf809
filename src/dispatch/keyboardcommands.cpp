#include "keyboardcommands.h"

#include "browser/browsertabs.h"
#include "browser/webview.h"
#include "browser/zoomsteps.h"

using K = KeyboardCommands;

const K::Command K::Keys[] = {
    {"KEY:NEXTTAB", &K::nextTab},     {"KEY:PREVTAB", &K::previousTab},
    {"KEY:TAB1", &K::numberedTab},    {"KEY:TAB2", &K::numberedTab},
    {"KEY:TAB3", &K::numberedTab},    {"KEY:TAB4", &K::numberedTab},
    {"KEY:TAB5", &K::numberedTab},    {"KEY:TAB6", &K::numberedTab},
    {"KEY:TAB7", &K::numberedTab},    {"KEY:TAB8", &K::numberedTab},
    {"KEY:ZOOMIN", &K::zoomIn},       {"KEY:ZOOMOUT", &K::zoomOut},
    {"KEY:ZOOMRESET", &K::zoomReset},
};

KeyboardCommands::KeyboardCommands(BrowserTabs &tabs)
    : m_tabs(tabs) {}

bool KeyboardCommands::run(const QString &key) {
    for (const Command &command : Keys) {
        if (key == QLatin1String(command.key)) {
            m_key = key;
            (this->*command.action)();
            return true;
        }
    }
    return false;
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

void KeyboardCommands::numberedTab() {
    // KEY:TAB1 is the first tab.
    showTab(m_key.mid(7).toInt() - 1);
}

void KeyboardCommands::zoom(int direction) {
    if (WebView *view = m_tabs.currentView())
        view->setZoomFactor(ZoomSteps::step(view->zoomFactor(), direction));
}

void KeyboardCommands::zoomIn() {
    zoom(1);
}
void KeyboardCommands::zoomOut() {
    zoom(-1);
}
void KeyboardCommands::zoomReset() {
    zoom(0);
}
