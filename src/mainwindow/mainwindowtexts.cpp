#include "mainwindow/mainwindowtexts.h"

#include "browser/addressbar.h"
#include "browser/findbar.h"
#include "browser/tabstrip.h"
#include "commandbar/maincommandbars.h"
#include "core/captions.h"
#include "core/languagefile.h"
#include "mainwindow/statusline.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>

namespace MainWindowTexts {

void nameControls(const LanguageFile &language, QWidget &window, StatusLine &statusLine,
                  TabStrip &tabStrip, AddressBar &addressBar, MainCommandBars &bars,
                  FindBar &findBar) {
    tabStrip.setAccessibleName(language.caption(Captions::TabBar));
    addressBar.setAccessibleName(language.caption(Captions::AddressBar));
    addressBar.lineEdit()->setAccessibleName(language.caption(Captions::AddressBar));
    window.setAccessibleName(language.caption(Captions::ProgramName));
    for (int element = 0; element < 3; ++element) {
        if (QToolBar *bar = bars.toolbar(element)) {
            bar->setWindowTitle(language.caption(Captions::Toolbar));
            bar->setAccessibleName(language.caption(Captions::Toolbar));
        }
    }
    statusLine.statusBar()->setAccessibleName(language.caption(Captions::StatusBar));
    statusLine.timebar()->setToolTip(language.caption(Captions::TranslateSelection));
    statusLine.timebar()->setAccessibleName(language.caption(Captions::TranslateSelection));
    findBar.setTexts(language.caption(Captions::FindOnPage), language.caption(Captions::FindNext),
                     language.caption(Captions::FindPrevious), language.caption(Captions::Close),
                     language.caption(Captions::TextNotFound));
}

WebView::PropertyTexts propertyTexts(const LanguageFile &language) {
    WebView::PropertyTexts texts;
    texts.window = language.caption(Captions::PropertiesWindow);
    texts.title = language.caption(Captions::PropertyTitle);
    texts.address = language.caption(Captions::PropertyAddress);
    texts.type = language.caption(Captions::PropertyType);
    texts.size = language.caption(Captions::PropertySize);
    texts.bytes = language.caption(Captions::PropertyBytes);
    texts.encoding = language.caption(Captions::PropertyEncoding);
    return texts;
}

} // namespace MainWindowTexts
