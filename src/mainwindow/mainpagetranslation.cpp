#include "mainwindow/mainpagetranslation.h"

#include "browser/browsertabs.h"
#include "browser/webview.h"
#include "core/captions.h"
#include "core/programstate.h"
#include "translate/pageoffertexts.h"
#include "translate/pagetranslationbar.h"
#include "translate/tabtranslation.h"

MainPageTranslation::MainPageTranslation(QWidget &window, BrowserTabs &tabs, ProgramState &state,
                                         LocalPairs &pairs, std::function<void()> relayout)
    : m_browserTabs(tabs)
    , m_state(state)
    , m_pairs(pairs)
    , m_relayout(std::move(relayout))
    , m_bar(new PageTranslationBar(&window)) {
    connect(&tabs, &BrowserTabs::currentChanged, this, &MainPageTranslation::refresh);
    connect(m_bar, &PageTranslationBar::translateClicked, this, [this] {
        if (TabTranslation *tab = current())
            tab->translate();
    });
    connect(m_bar, &PageTranslationBar::showOriginalClicked, this, [this] {
        if (TabTranslation *tab = current())
            tab->showOriginal();
    });
    connect(m_bar, &PageTranslationBar::notNowClicked, this, [this] {
        if (TabTranslation *tab = current())
            tab->notNow();
    });
    connect(m_bar, &PageTranslationBar::neverClicked, this, [this] {
        if (TabTranslation *tab = current())
            tab->never();
    });
}

MainPageTranslation::~MainPageTranslation() = default;

void MainPageTranslation::addView(WebView *view) {
    // The view owns it: a tab that goes takes its translation and its pipeline along.
    auto *tab = new TabTranslation(view, m_state, m_pairs, view);
    m_tabs.insert(view, tab);
    connect(tab, &TabTranslation::changed, this, [this, tab] {
        if (tab == current())
            refresh();
    });
    connect(view, &QObject::destroyed, this, [this, view] { m_tabs.remove(view); });
}

TabTranslation *MainPageTranslation::current() const {
    return m_tabs.value(m_browserTabs.currentView());
}

void MainPageTranslation::toggle() {
    if (TabTranslation *tab = current())
        tab->toggle();
}

void MainPageTranslation::applyLanguageTexts() {
    m_bar->setBarName(m_state.language.caption(Captions::PageTranslationBar));
    refresh();
}

int MainPageTranslation::barHeight() const {
    return m_bar->isHidden() ? 0 : m_bar->sizeHint().height();
}

void MainPageTranslation::refresh() {
    const bool wasShown = !m_bar->isHidden();
    const TabTranslation *tab = current();
    m_bar->showTexts(tab ? PageOfferTexts::of(*tab, m_state.language) : PageOfferTexts());
    if (wasShown != !m_bar->isHidden() && m_relayout)
        m_relayout();
}
