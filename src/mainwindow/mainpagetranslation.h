#pragma once

#include <QHash>
#include <QObject>
#include <functional>

class BrowserTabs;
class LocalPairs;
class PageTranslationBar;
class QWidget;
class TabTranslation;
class WebView;
struct ProgramState;

// Whole-page translation as the main window holds it: a TabTranslation for each tab's view,
// and the one offer bar, which shows the current tab's. The bar takes room above the page
// (the layout asks barHeight()); relayout runs when it appears or goes.
class MainPageTranslation : public QObject {
    Q_OBJECT

public:
    MainPageTranslation(QWidget &window, BrowserTabs &tabs, ProgramState &state, LocalPairs &pairs,
                        std::function<void()> relayout);
    ~MainPageTranslation() override;

    // Each tab's view gets its translation when it is made.
    void addView(WebView *view);
    // The command: the current tab's page translated, or its original back.
    void toggle();
    // The bar's texts in the state's current language.
    void applyLanguageTexts();

    PageTranslationBar &bar() { return *m_bar; }
    // The bar's height in pixels while it shows, else 0.
    int barHeight() const;
    TabTranslation *tab(WebView *view) const { return m_tabs.value(view); }
    TabTranslation *current() const;

private:
    void refresh();

    BrowserTabs &m_browserTabs;
    ProgramState &m_state;
    LocalPairs &m_pairs;
    std::function<void()> m_relayout;
    PageTranslationBar *m_bar;
    QHash<WebView *, TabTranslation *> m_tabs;
};
