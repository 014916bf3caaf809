#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QSet>
#include <QString>

class BlockTranslator;
class QTimer;
class WebView;

// The whole page of one view translated in place. A page script in the view's isolated
// world splits the page into blocks (what is on screen first), keeps their original nodes
// and puts each translation back as text around the page's own element nodes; this class
// hands the blocks to the translator one after another, brings the answers back, and
// knows how far it got. Blocks the page adds later are translated while it stays
// translated. Leaving the page ends the translation.
//
// Everything the page script says is checked: a message of another translation, ids given
// twice, blocks or messages over their size are dropped. No page text goes anywhere but the
// translator.
//
// The translator serves this translation alone: its ids are this object's.
class PageTranslation : public QObject {
    Q_OBJECT

public:
    enum class State { Idle, Translating, Translated, Failed };

    static constexpr int MaxFragmentChars = 20000;
    static constexpr int MaxBlocksPerPage = 50000;

    PageTranslation(WebView *view, BlockTranslator *translator, QObject *parent = nullptr);
    ~PageTranslation() override;

    // Translates the page shown now; nothing while it is translating or translated.
    void translate();
    // Gives back the page's original text at once, without a reload.
    void showOriginal();
    // Stops where it got, as when the translator fails: what was translated stays, the rest
    // stays readable as it was, and showOriginal() still gives back the whole original.
    void stopWith(const QString &reason);

    State state() const { return m_state; }
    int blocksDone() const { return m_done; }
    int blocksTotal() const { return m_total; }
    QString failureReason() const { return m_failure; }

    // The page script, as shipped in the program.
    static QString pageScript();

Q_SIGNALS:
    void stateChanged(PageTranslation::State state);
    void progress(int done, int total);
    void failed(const QString &reason);

private:
    void onStarted(const QVariant &result);
    void onMessage(const QString &text);
    void acceptBlocks(const QString &json);
    void onTranslated(quint64 id, const QString &fragment);
    void onFailed(quint64 id, const QString &reason);
    void onDocumentComplete();
    void scheduleCall();
    void flushTranslations();
    // Stops asking and listening; the page keeps what it shows.
    void end(State state);
    void setState(State state);
    void checkFinished();
    QString call(const QString &function, const QString &arguments = QString()) const;

    QPointer<WebView> m_view;
    QPointer<BlockTranslator> m_translator;
    State m_state = State::Idle;
    // Names the page script's run for this translation; messages of other runs are old.
    QString m_token;
    quint64 m_nextRequest = 1;
    // Translator id -> the page's block id, for blocks asked and not yet answered.
    QHash<quint64, qint64> m_asked;
    // Translator ids of asked blocks the reader saw on screen when they were found.
    QSet<quint64> m_onScreen;
    QSet<qint64> m_seenBlocks;
    QList<QPair<qint64, QString>> m_toApply;
    // An answer for a block on screen is among m_toApply.
    bool m_onScreenWaiting = false;
    QTimer *m_nextCall;
    QElapsedTimer m_lastCall;
    // Calls putting translations into the page that have not come back yet.
    int m_applying = 0;
    int m_done = 0;
    // What progress() last told.
    int m_doneShown = 0;
    int m_total = 0;
    QString m_failure;
};
