#include "linksearchbox.h"

#include "core/captions.h"
#include "core/languagefile.h"
#include "linktable/linktable.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>

LinkSearchBox::LinkSearchBox(const LanguageFile &language, const LinkTable &table, QWidget *window)
    : QObject(window)
    , m_table(table) {
    m_field = new QLineEdit(window);
    m_field->setObjectName(QStringLiteral("SearchLinks"));
    m_field->setAccessibleName(language.caption(Captions::SearchLinks));
    m_field->setPlaceholderText(language.caption(Captions::SearchLinks));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    m_hits = new QListWidget(window);
    m_hits->setObjectName(QStringLiteral("LinksFound"));
    m_hits->setAccessibleName(language.caption(Captions::LinksFound));
    m_hits->setUniformItemSizes(true);
    m_hits->installEventFilter(this);
    m_hits->hide();
    connect(m_field, &QLineEdit::textChanged, this, &LinkSearchBox::search);
    connect(m_field, &QLineEdit::returnPressed, this, &LinkSearchBox::openFirst);
    connect(m_hits, &QListWidget::itemActivated, this, &LinkSearchBox::open);
    auto *find = new QShortcut(QKeySequence::Find, window);
    connect(find, &QShortcut::activated, m_field, [this] {
        m_field->setFocus(Qt::ShortcutFocusReason);
        m_field->selectAll();
    });
}

void LinkSearchBox::invalidate() {
    m_search.clear();
    if (!m_field->text().isEmpty())
        search(m_field->text());
}

void LinkSearchBox::search(const QString &text) {
    m_hits->clear();
    if (text.trimmed().isEmpty()) {
        m_hits->hide();
        return;
    }
    if (!m_search.isBuilt())
        m_search.rebuild(m_table.store(), m_table.titles(), LinkTable::GroupCount);
    for (const LinkSearch::Hit &hit : m_search.find(text, MaxHits)) {
        auto *item = new QListWidgetItem(hit.name + QStringLiteral("  —  ") + hit.groupTitle);
        item->setData(Qt::UserRole, hit.address);
        item->setToolTip(hit.shownAddress);
        m_hits->addItem(item);
    }
    m_hits->show();
    m_hits->raise();
}

void LinkSearchBox::openFirst() {
    if (m_hits->isVisible() && m_hits->count() > 0)
        open(m_hits->item(0));
}

void LinkSearchBox::open(const QListWidgetItem *item) {
    if (item)
        Q_EMIT linkChosen(item->data(Qt::UserRole).toString());
}

bool LinkSearchBox::eventFilter(QObject *watched, QEvent *event) {
    // Esc clears the search before it would close the window.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && !m_field->text().isEmpty()) {
        m_field->clear();
        m_field->setFocus();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
