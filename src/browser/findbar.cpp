#include "findbar.h"

#include "webview.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>

FindBar::FindBar(std::function<WebView *()> currentView, QWidget *parent)
    : QWidget(parent)
    , m_currentView(std::move(currentView))
    , m_field(new QLineEdit(this))
    , m_previous(new QToolButton(this))
    , m_next(new QToolButton(this))
    , m_close(new QToolButton(this))
    , m_result(new QLabel(this)) {
    setObjectName(QStringLiteral("findBar"));
    setAutoFillBackground(true);
    m_previous->setArrowType(Qt::UpArrow);
    m_next->setArrowType(Qt::DownArrow);
    m_close->setText(QStringLiteral("×"));
    for (QToolButton *button : {m_previous, m_next, m_close})
        button->setAutoRaise(true);
    m_field->setMinimumWidth(200);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(m_field);
    layout->addWidget(m_result);
    layout->addWidget(m_previous);
    layout->addWidget(m_next);
    layout->addWidget(m_close);

    connect(m_field, &QLineEdit::textChanged, this, [this] { find(false); });
    connect(m_field, &QLineEdit::returnPressed, this, [this] { find(false); });
    connect(m_next, &QToolButton::clicked, this, [this] { find(false); });
    connect(m_previous, &QToolButton::clicked, this, [this] { find(true); });
    connect(m_close, &QToolButton::clicked, this, &FindBar::close);
    hide();
}

void FindBar::setTexts(const QString &placeholder, const QString &next, const QString &previous,
                       const QString &closeText, const QString &notFound) {
    m_field->setPlaceholderText(placeholder);
    m_field->setAccessibleName(placeholder);
    m_next->setToolTip(next);
    m_next->setAccessibleName(next);
    m_previous->setToolTip(previous);
    m_previous->setAccessibleName(previous);
    m_close->setToolTip(closeText);
    m_close->setAccessibleName(closeText);
    m_notFound = notFound;
}

void FindBar::open() {
    // The clear button's picture comes from the icon theme, a search the start of the
    // program need not wait for.
    m_field->setClearButtonEnabled(true);
    show();
    raise();
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
    if (!m_field->text().isEmpty())
        find(false);
}

void FindBar::close() {
    hide();
    if (WebView *view = m_currentView()) {
        view->findText(QString(), false, {});
        view->setFocus();
    }
}

void FindBar::findNext(bool backward) {
    find(backward);
}

void FindBar::find(bool backward) {
    WebView *view = m_currentView();
    if (!view)
        return;
    const QString text = m_field->text();
    QPointer<FindBar> self(this);
    view->findText(text, backward, [self, text](int matches) {
        if (!self || self->m_field->text() != text)
            return; // an answer to an older search
        self->m_matches = matches;
        self->m_result->setText(text.isEmpty() ? QString()
                                : matches > 0  ? QString::number(matches)
                                               : self->m_notFound);
        Q_EMIT self->matchesChanged(matches);
    });
}

void FindBar::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
