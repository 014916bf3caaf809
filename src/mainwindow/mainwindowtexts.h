#pragma once

#include "browser/webview.h"

class AddressBar;
class FindBar;
class LanguageFile;
class MainCommandBars;
class QWidget;
class StatusLine;
class TabStrip;

// The main window's own controls in the current language. Those that show no caption of
// their own are named for screen readers and for anyone who drives the program from
// outside.
namespace MainWindowTexts {

void nameControls(const LanguageFile &language, QWidget &window, StatusLine &statusLine,
                  TabStrip &tabStrip, AddressBar &addressBar, MainCommandBars &bars,
                  FindBar &findBar);
// The page properties window's texts.
WebView::PropertyTexts propertyTexts(const LanguageFile &language);

} // namespace MainWindowTexts
