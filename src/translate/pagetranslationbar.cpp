#include "translate/pagetranslationbar.h"

#include "translate/pageoffertexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

void showButton(QPushButton *button, const QString &caption) {
    button->setText(caption);
    button->setAccessibleName(caption);
    button->setVisible(!caption.isEmpty());
}

} // namespace

PageTranslationBar::PageTranslationBar(QWidget *parent)
    : QFrame(parent)
    , m_message(new QLabel(this)) {
    setObjectName(QStringLiteral("pageTranslationBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    m_message->setObjectName(QStringLiteral("pageTranslationMessage"));
    m_message->setTextFormat(Qt::PlainText);
    m_message->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 1, 6, 1);
    layout->setSpacing(6);
    layout->addWidget(m_message, 1);
    m_translate = addButton("pageTranslate", &PageTranslationBar::translateClicked);
    m_notNow = addButton("pageNotNow", &PageTranslationBar::notNowClicked);
    m_never = addButton("pageNever", &PageTranslationBar::neverClicked);
    m_showOriginal = addButton("pageShowOriginal", &PageTranslationBar::showOriginalClicked);
    hide();
}

QPushButton *PageTranslationBar::addButton(const char *name,
                                           void (PageTranslationBar::*clicked)()) {
    auto *button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    // A click leaves the focus where the reader had it, on the page.
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoDefault(false);
    layout()->addWidget(button);
    connect(button, &QPushButton::clicked, this, clicked);
    return button;
}

void PageTranslationBar::showTexts(const PageOfferTexts &texts) {
    m_message->setText(texts.message);
    m_message->setAccessibleName(texts.message);
    showButton(m_translate, texts.translate);
    showButton(m_notNow, texts.notNow);
    showButton(m_never, texts.never);
    showButton(m_showOriginal, texts.showOriginal);
    setVisible(!texts.message.isEmpty());
}

void PageTranslationBar::setBarName(const QString &name) {
    setAccessibleName(name);
}
