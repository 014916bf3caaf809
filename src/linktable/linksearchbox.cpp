#include "linksearchbox.h"

#include "core/captions.h"
#include "core/languagefile.h"
#include "linktable/linkhitdelegate.h"
#include "linktable/linkhitsmodel.h"
#include "linktable/linktable.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QShortcut>
#include <QtConcurrent/QtConcurrentRun>

LinkSearchBox::LinkSearchBox(const LanguageFile &language, const LinkTable &table, QWidget *window)
    : QObject(window)
    , m_table(table) {
    m_field = new QLineEdit(window);
    m_field->setObjectName(QStringLiteral("SearchLinks"));
    m_field->setAccessibleName(language.caption(Captions::SearchLinks));
    m_field->setPlaceholderText(language.caption(Captions::SearchLinks));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    // A view over a model: a keystroke replaces the rows at once instead of making an item
    // per link found.
    m_found = new LinkHitsModel(this);
    m_hits = new QListView(window);
    m_hits->setModel(m_found);
    m_hits->setItemDelegate(new LinkHitDelegate(m_hits));
    m_hits->setObjectName(QStringLiteral("LinksFound"));
    m_hits->setAccessibleName(language.caption(Captions::LinksFound));
    m_hits->setUniformItemSizes(true);
    // As the grid under it: a scroll bar coming and going with the number of links found
    // made the list lay itself out and paint twice.
    m_hits->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_hits->installEventFilter(this);
    m_hits->hide();
    connect(m_field, &QLineEdit::textChanged, this, &LinkSearchBox::search);
    connect(m_field, &QLineEdit::returnPressed, this, &LinkSearchBox::openFirst);
    connect(m_hits, &QListView::activated, this, &LinkSearchBox::open);
    auto *find = new QShortcut(QKeySequence::Find, window);
    connect(find, &QShortcut::activated, m_field, [this] {
        m_field->setFocus(Qt::ShortcutFocusReason);
        m_field->selectAll();
    });
    connect(&m_building, &QFutureWatcher<LinkSearch>::finished, this, &LinkSearchBox::built);
    build();
}

LinkSearchBox::~LinkSearchBox() {
    m_building.waitForFinished();
}

void LinkSearchBox::invalidate() {
    m_search.clear();
    build();
}

void LinkSearchBox::build() {
    if (m_building.isRunning()) {
        m_stale = true;
        return;
    }
    m_building.setFuture(QtConcurrent::run([store = m_table.store(), titles = m_table.titles()] {
        LinkSearch index;
        index.rebuild(store, titles, LinkTable::GroupCount);
        return index;
    }));
}

void LinkSearchBox::built() {
    if (std::exchange(m_stale, false)) {
        build();
        return;
    }
    m_search = m_building.result();
    if (!m_field->text().isEmpty())
        search(m_field->text());
}

void LinkSearchBox::search(const QString &text) {
    if (text.trimmed().isEmpty()) {
        m_found->clear();
        m_hits->hide();
        return;
    }
    if (!m_search.isBuilt()) {
        m_found->clear();
        return; // shown once the index is ready
    }
    m_found->setHits(m_search.find(text, MaxHits));
    m_hits->show();
    m_hits->raise();
}

void LinkSearchBox::openFirst() {
    if (m_hits->isVisible() && m_found->rowCount() > 0)
        open(m_found->index(0));
}

void LinkSearchBox::open(const QModelIndex &index) {
    if (index.isValid())
        Q_EMIT linkChosen(index.data(LinkHitsModel::AddressRole).toString());
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
