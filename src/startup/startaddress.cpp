#include "startup/startaddress.h"

#include "browser/addressbar.h"
#include "browser/addressrule.h"
#include "browser/browsertabs.h"
#include "browser/sitename.h"
#include "browser/webview.h"
#include "core/programfiles.h"
#include "core/programstate.h"
#include "startup/mainmessages.h"

namespace StartAddress {

QString fromArguments(const QStringList &arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        // Options belong to the toolkit or the web engine, never to a page.
        if (!arguments.at(i).startsWith(QLatin1Char('-')))
            return arguments.at(i).trimmed();
    }
    return {};
}

namespace {

void settleHomeAddress(ProgramState &state, const ProgramFiles &files,
                       const MainMessages &messages) {
    if (AddressRule::isTooLong(state.options.homeAddress)) {
        // No page has such an address; the start page shows instead of nothing, and it
        // is the home page kept from now on.
        messages.tooLongAddress(state.options.homeAddress);
        state.options.homeAddress.clear();
    }
    if (state.options.homeAddress.isEmpty())
        state.options.homeAddress = files.defaultHomeAddress();
}

} // namespace

void open(const QString &given, ProgramState &state, const ProgramFiles &files, AddressBar &bar,
          BrowserTabs &tabs, const MainMessages &messages) {
    settleHomeAddress(state, files, messages);
    tabs.setCurrentIndex(0);
    if (!given.isEmpty()) {
        const QString address = AddressRule::withScheme(given);
        if (!AddressRule::isTooLong(address)) {
            tabs.showCurrentViewOnly();
            bar.setAddressText(given);
            bar.openTypedAddress(1);
            return;
        }
        messages.tooLongAddress(address);
    }
    const QString address = state.options.homeAddress;
    bar.setAddressText(address);
    tabs.setTabURL(0, address);
    tabs.view(0)->navigate(address);
    tabs.setCaption(0, SiteName::of(address));
    tabs.showCurrentViewOnly();
}

} // namespace StartAddress
