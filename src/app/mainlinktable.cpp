#include "app/mainlinktable.h"

#include "browser/addressbar.h"
#include "core/programstate.h"
#include "windows/secondarywindows.h"

namespace MainLinkTable {

void open(SecondaryWindows &windows, LinkTable &table, ProgramState &state, AddressBar &addressBar,
          QWidget *owner) {
    const QString chosen = windows.showLinkTable(owner, table, [&state, &addressBar] {
        return LinkTable::Page{state.pageTitle, state.currentURL, addressBar.currentText(),
                               state.todayText};
    });
    if (chosen.isEmpty())
        return;
    addressBar.setAddressText(chosen);
    addressBar.GO_Address(0);
}

} // namespace MainLinkTable
