#pragma once

#include "translate/pagetranslation.h"
#include "translate/translatorchoice.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

class ApertiumPipeline;
class LanguageDetector;
class LocalPairs;
class WebView;
struct ProgramState;

// Whole-page translation as one tab holds it, free of any display. After each page loads it
// reads the page's visible text and lang attribute (in the program's own script world) and
// finds its language off the interface thread; it decides what the offer bar says; it keeps
// the tab's Apertium pipeline for the pair while the tab needs it; and once the user has
// translated, each new page of the same language in the tab is translated too, until "Show
// original". With TRANSLATOR=local or auto no page text goes anywhere but Apertium; with
// TRANSLATOR=web nothing of the page is translated at all.
class TabTranslation : public QObject {
    Q_OBJECT

public:
    // What the bar shows for the tab.
    enum class Shown {
        Nothing,
        Offer,       // the page can be translated here
        NoPair,      // no installed pair translates it; package() may name one
        WebOnly,     // TRANSLATOR=web: whole pages are translated on this computer only
        NoLanguage,  // asked to translate, with no language found or chosen
        Translating, // progress: done() of total()
        Translated,
        Failed, // failure() says why; the rest of the page stays as it was
    };
    struct Decision {
        Shown shown = Shown::Nothing;
        QString mode;    // with Offer: the Apertium mode
        QString package; // with NoPair: the Debian package that gives the pair, if any
    };

    // A page still translating after this long is too large: the rest stays as it was.
    static constexpr int PageLimitSeconds = 120;

    // The rule of the offer. asked: the user asked (the command), so a language the user
    // said never to offer is translated all the same.
    static Decision decide(const QString &pageLanguage, const QString &myLanguage,
                           const QStringList &neverTranslate, TranslatorChoice::Setting setting,
                           const QStringList &installedModes, bool asked);

    TabTranslation(WebView *view, ProgramState &state, LocalPairs &pairs,
                   QObject *parent = nullptr);
    ~TabTranslation() override;

    // "Translate into ...": the page in the language found, or else in the page language
    // chosen in the translate menu.
    void translate();
    // The command: translates, or brings the original back when translated or on its way.
    void toggle();
    void showOriginal();
    // The offer goes away for this page.
    void notNow();
    // The offer goes away, and pages of this language are never offered again.
    void never();

    Shown shown() const;
    // The page's language found (or chosen, once asked), as a code; "" unknown.
    QString pageLanguage() const { return m_language; }
    QString myLanguage() const;
    QString package() const { return m_decision.package; }
    int done() const { return m_page ? m_page->blocksDone() : 0; }
    int total() const { return m_page ? m_page->blocksTotal() : 0; }
    QString failure() const { return m_page ? m_page->failureReason() : QString(); }
    // The language the tab goes on translating new pages of, "" when none.
    QString following() const { return m_following; }
    // The pair's chain, while the tab keeps one (tests and the benchmark look at it).
    ApertiumPipeline *pipeline() const { return m_pipeline.get(); }
    PageTranslation *page() const { return m_page.get(); }

Q_SIGNALS:
    // What shown() and the figures give changed.
    void changed();
    // A new page's language was found ("" unknown) and the offer decided.
    void languageFound(const QString &code);

private:
    void onDocumentComplete();
    void onPageRead(const QVariant &result, quint64 load);
    void onLanguage(const QString &code, quint64 load);
    void offer(bool asked);
    void start();
    void usePair(const QString &mode);
    void onStateChanged(PageTranslation::State state);
    void onPageLimit();
    void setBase(const Decision &decision);

    QPointer<WebView> m_view;
    ProgramState &m_state;
    LocalPairs &m_pairs;
    LanguageDetector *m_detector;
    // Counts the loads, so that an answer about an earlier page is dropped.
    quint64 m_load = 0;
    QString m_language;
    QString m_following;
    Decision m_decision;
    bool m_dismissed = false;
    QString m_mode;
    std::unique_ptr<ApertiumPipeline> m_pipeline;
    std::unique_ptr<PageTranslation> m_page;
    QTimer m_pageLimit;
};
