#include "translate/translationwindow.h"

#include "browser/enginewebview.h"
#include "core/captions.h"
#include "core/languagefile.h"
#include "translate/resultpage.h"
#include "translate/translationrequest.h"
#include "translate/translationservice.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace {

QLabel *makeNotice(const QString &objectName) {
    auto *label = new QLabel;
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setMargin(4);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->hide();
    return label;
}

// A translated text as a page of its own; the text is escaped, so it shows as written.
QString pageOf(const QString &text) {
    const QString html = QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
                                        "</head><body><p style=\"white-space: pre-wrap\">") +
                         text.toHtmlEscaped() + QStringLiteral("</p></body></html>");
    return QStringLiteral("data:text/html;charset=utf-8,") +
           QString::fromLatin1(QUrl::toPercentEncoding(html));
}

QString shortenedText(const LanguageFile &language) {
    return language.caption(Captions::SelectionShortened);
}

} // namespace

TranslationWindow::TranslationWindow(const LanguageFile &language, ViewFactory factory,
                                     QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_language(&language)
    , m_resultView(factory ? factory(this) : new EngineWebView(this))
    , m_shortenedNotice(makeNotice(QStringLiteral("shortenedNotice")))
    , m_failureNotice(makeNotice(QStringLiteral("failureNotice")))
    , m_localFailureNotice(makeNotice(QStringLiteral("localFailureNotice")))
    , m_refusedNotice(makeNotice(QStringLiteral("refusedNotice"))) {
    setObjectName(QStringLiteral("frmShow"));
    m_resultView->setObjectName(QStringLiteral("Web1"));
    m_resultView->setSilent(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_shortenedNotice);
    layout->addWidget(m_failureNotice);
    layout->addWidget(m_localFailureNotice);
    layout->addWidget(m_refusedNotice);
    layout->addWidget(m_resultView, 1);

    // Only the engine tells whether a load failed; another view simply shows its page.
    if (auto *engine = qobject_cast<EngineWebView *>(m_resultView))
        connect(engine->engineView(), &QWebEngineView::loadFinished, this,
                &TranslationWindow::onLoadFinished);

    // A link on the result page that leads outside the web stays unopened, and says so.
    connect(m_resultView, &WebView::navigationRefused, this, [this](const QString &address) {
        setNotice(m_refusedNotice, m_refusedText + QLatin1Char(' ') + address.left(200));
        m_refusedNotice->show();
    });

    applyLanguageTexts(language);
}

void TranslationWindow::applyLanguageTexts(const LanguageFile &language) {
    m_language = &language;
    const QString title = language.caption(Captions::TranslationWindowTitle);
    setWindowTitle(title);
    setAccessibleName(title);
    m_resultView->setAccessibleName(title);
    setNotice(m_shortenedNotice, shortenedText(language));
    setNotice(m_failureNotice, language.caption(Captions::ServiceUnreachable));
    m_refusedText = language.caption(Captions::NavigationRefused);
}

void TranslationWindow::setNotice(QLabel *label, const QString &text) {
    label->setText(text);
    label->setAccessibleName(text);
}

void TranslationWindow::showTranslation(const TranslationRequest &request) {
    Translation answer;
    answer.pageAddress = request.address();
    answer.shortened = request.shortened();
    showTranslation(answer);
}

void TranslationWindow::showTranslation(const Translation &translation) {
    m_shortenedNotice->setVisible(translation.shortened);
    m_failureNotice->hide();
    m_refusedNotice->hide();
    m_localFailureNotice->hide();
    if (!m_placed) {
        place();
        m_placed = true;
    }
    show();
    raise();
    if (translation.failed) {
        QString text = m_language->caption(Captions::LocalTranslationFailed) + QLatin1Char(' ') +
                       pairInWords(translation);
        if (!translation.detail.isEmpty())
            text += QStringLiteral(" (") + translation.detail + QLatin1Char(')');
        setNotice(m_localFailureNotice, text);
        m_localFailureNotice->show();
        // The page of an earlier translation would pass for this one's.
        m_resultView->navigate(QStringLiteral("about:blank"));
        return;
    }
    if (translation.local) {
        m_resultView->navigate(localPage(translation));
        return;
    }
    m_resultView->navigate(translation.isPage() ? translation.pageAddress
                                                : pageOf(translation.text));
}

void TranslationWindow::prepare() {
    if (!m_placed)
        m_resultView->navigate(QStringLiteral("about:blank"));
}

QString TranslationWindow::pairInWords(const Translation &translation) const {
    auto name = [this](const QString &code) {
        const TranslationLanguage *row = m_language->findTranslationCode(code);
        return row && !row->name.trimmed().isEmpty() ? row->name.trimmed() : code;
    };
    return name(translation.from) + QStringLiteral(" \u2192 ") + name(translation.to);
}

QString TranslationWindow::localPage(const Translation &translation) const {
    return ResultPage::address(ResultPage::html(translation.source, translation.text,
                                                pairInWords(translation),
                                                m_language->caption(Captions::LocalTranslation)));
}

void TranslationWindow::onLoadFinished(bool ok) {
    m_failureNotice->setVisible(!ok);
}

void TranslationWindow::place() {
    const QWidget *owner = parentWidget();
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const int width = qRound(area.width() * 0.7);
    const int height = qRound(area.height() * 0.9);
    resize(width, height);
    move(area.left() + (area.width() - width) / 2, area.top() + (area.height() - height) / 2);
}
