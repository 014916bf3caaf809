#include "mainwindow/mainlinktable.h"

#include "browser/addressbar.h"
#include "browser/browsertabs.h"
#include "core/programstate.h"
#include "mainwindow/secondarywindows.h"

namespace MainLinkTable {

void open(SecondaryWindows &windows, LinkTable &table, ProgramState &state, BrowserTabs &tabs,
          AddressBar &addressBar, QWidget *owner) {
    const QString chosen = windows.showLinkTable(owner, table, [&state, &tabs, &addressBar] {
        const BrowserTabs::Page page = tabs.currentPage();
        return LinkTable::Page{page.title, page.address, addressBar.currentText(), state.todayText};
    });
    if (chosen.isEmpty())
        return;
    addressBar.setAddressText(chosen);
    addressBar.openTypedAddress(0);
}

} // namespace MainLinkTable
