#pragma once

#include <QWidget>
#include <functional>

class LanguageFile;
class QLabel;
class TranslationRequest;
struct Translation;
class WebView;

// `frmShow`: the translation window. Its web view `Web1` fills it; a notice line above
// the page says when the text was shortened, the service could not be reached, the text
// could not be translated on this computer or a link on the page was refused. Not
// modal; it stays open and shows every translation in turn.
class TranslationWindow : public QWidget {
    Q_OBJECT

public:
    // Makes `Web1`; the window is its parent.
    using ViewFactory = std::function<WebView *(QWidget *parent)>;

    // Without a factory `Web1` is a view on the web engine. A parent keeps the window
    // in front of it and takes it away with it; it stays a window of its own.
    explicit TranslationWindow(const LanguageFile &language, ViewFactory factory = {},
                               QWidget *parent = nullptr);

    // Shows the answer in `Web1` (the translation page, or the translated text as a page of
    // its own, or why there is none) and shows the window, placed on its first showing.
    void showTranslation(const Translation &translation);
    void showTranslation(const TranslationRequest &request);
    // Makes the engine's page for `Web1` while the window is still hidden, so that the
    // first result only has to show it. Does nothing once a result was shown.
    void prepare();
    // Caption 223 and the notices in the language given.
    void applyLanguageTexts(const LanguageFile &language);

    WebView *resultView() const { return m_resultView; }

private:
    // 0.7 of the screen's width, 0.9 of its height, in its centre.
    void place();
    void setNotice(QLabel *label, const QString &text);
    void onLoadFinished(bool ok);
    // "English → Spanish", in the names the language file gives the codes.
    QString pairInWords(const Translation &translation) const;
    QString localPage(const Translation &translation) const;

    const LanguageFile *m_language;
    WebView *m_resultView;
    QLabel *m_shortenedNotice;
    QLabel *m_failureNotice;
    QLabel *m_localFailureNotice;
    QLabel *m_refusedNotice;
    QString m_refusedText;
    bool m_placed = false;
};
