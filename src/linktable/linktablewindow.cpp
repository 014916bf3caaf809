#include "linktablewindow.h"

#include "bookmarktransfer.h"
#include "commandbar/commandregistry.h"
#include "commandbar/windowcommandbar.h"
#include "core/captions.h"
#include "core/languagefile.h"
#include "core/notifier.h"
#include "core/programstate.h"
#include "desktop/desktop.h"
#include "groupstrip.h"
#include "linkeditor.h"
#include "linksearchbox.h"
#include "linktablelayout.h"
#include "movelabel.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QShowEvent>
#include <QTableView>
#include <QToolBar>

namespace {} // namespace

LinkTableWindow::LinkTableWindow(const WindowContext &context, LinkTable &table,
                                 std::function<LinkTable::Page()> page, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_table(table)
    , m_page(std::move(page)) {
    setObjectName(QStringLiteral("frmTab"));
    setModal(true);
    const LanguageFile &texts = context.language;
    setWindowTitle(texts.caption(Captions::LinkTableWindow));

    buildBars();
    m_label1 = new QLabel(texts.caption(Captions::LinkTableWindow), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_groupTitle = new QLineEdit(this);
    m_groupTitle->setObjectName(QStringLiteral("Text1"));
    m_groupTitle->setAccessibleName(texts.caption(Captions::GroupTitle));
    m_groupTitle->setPlaceholderText(texts.caption(Captions::TypeGroupTitle));
    m_groupTitle->setToolTip(texts.caption(Captions::TypeGroupTitle));
    m_groupTitle->hide();
    connect(m_groupTitle, &QLineEdit::returnPressed, this, &LinkTableWindow::renameGroup);
    m_lblMove = new MoveLabel(texts.caption(Captions::MoveWindow), this);

    buildStrips();
    buildGrid();
    m_search = new LinkSearchBox(texts, m_table, this);
    connect(m_search, &LinkSearchBox::linkChosen, this, &LinkTableWindow::chooseAddress);
    m_transfer = new BookmarkTransfer(context, m_table, *this);
    connect(m_transfer, &BookmarkTransfer::importFinished, this, &LinkTableWindow::reloadAll);
    m_layout = std::make_unique<LinkTableLayout>(LinkTableLayout::Parts{
        *this, *m_cmdBar0->toolBar(), *m_cmdBar1->toolBar(), *m_label1, *m_groupTitle, *m_lblMove,
        QList<QTabBar *>(m_tabF.begin(), m_tabF.end()), *m_gridList, *m_search->field(),
        *m_search->hits()});
    m_layout->placeWindow(context.state.settings.linkTable);
    m_layout->arrange();

    m_minRows = LinkTableLayout::minRows(*m_gridList);

    m_table.setCurrentGroup(0);
    readTable();
    m_loaded = true;
}

LinkTableWindow::~LinkTableWindow() = default;

QToolBar *LinkTableWindow::toolBar(int element) const {
    return element == WindowBars::LinkTableCloseElement ? m_cmdBar1->toolBar()
                                                        : m_cmdBar0->toolBar();
}

void LinkTableWindow::buildBars() {
    const LanguageFile &texts = m_context.language;
    m_cmdBar0 = std::make_unique<WindowCommandBar>(m_context.registry, m_context.folder,
                                                   m_context.currentBarStyle(),
                                                   WindowBars::Window::LinkTable);
    m_cmdBar1 = std::make_unique<WindowCommandBar>(m_context.registry, m_context.folder,
                                                   m_context.currentBarStyle(),
                                                   WindowBars::Window::LinkTableClose);
    // The buttons exist once the bars were built; their tooltips are set before the window
    // is shown.
    for (const WindowBars::Window window :
         {WindowBars::Window::LinkTable, WindowBars::Window::LinkTableClose})
        WindowBars::applyTexts(m_context.registry, window, texts);
    for (WindowCommandBar *bar : {m_cmdBar0.get(), m_cmdBar1.get()}) {
        bar->toolBar()->setParent(this);
        bar->toolBar()->setAccessibleName(texts.caption(Captions::LinkTableWindow));
        connect(&bar->presenter(), &CommandBarPresenter::buttonClick, this,
                &LinkTableWindow::buttonClick);
    }
    m_cmdBar1->toolBar()->setAccessibleName(texts.caption(Captions::Close));
}

void LinkTableWindow::buildStrips() {
    for (int strip = 0; strip < StripCount; ++strip) {
        auto *tabs = new GroupStrip(strip, this);
        for (int tab = 0; tab < LinkTable::TabsPerStrip; ++tab)
            tabs->addTab(QString());
        tabs->setShowsCurrent(strip == 0);
        tabs->setAccessibleName(m_context.language.caption(Captions::EmptyGroupTitle) +
                                QLatin1Char(' ') + QString::number(strip + 1));
        // A click on the current tab of a strip that shows none chooses it as well.
        connect(tabs, &QTabBar::tabBarClicked, this,
                [this, strip](int tab) { chooseGroup(strip, tab); });
        connect(tabs, &QTabBar::currentChanged, this,
                [this, strip](int tab) { chooseGroup(strip, tab); });
        tabs->setTitles(m_table.titles());
        m_tabF[strip] = tabs;
    }
}

void LinkTableWindow::reloadAll(bool changed) {
    if (!changed)
        return;
    told(m_table.readTitles(m_context.language));
    for (GroupStrip *strip : m_tabF)
        strip->setTitles(m_table.titles());
    readTable();
    m_search->invalidate();
}

void LinkTableWindow::buildGrid() {
    m_gridList = new QTableView(this);
    m_gridList->setObjectName(QStringLiteral("GridList"));
    m_gridList->setAccessibleName(m_context.language.caption(Captions::LinkGrid));
    m_table.applyColumnTitles(m_context.language);
    m_gridList->setModel(&m_table.model());
    m_gridList->verticalHeader()->hide();
    m_gridList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_gridList->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_gridList->setWordWrap(false);
    LinkTableLayout::setColumnWidths(*m_gridList);
    m_gridList->setColumnHidden(LinkTableModel::AddressColumn, true);
    m_gridList->horizontalHeader()->setStretchLastSection(true);
    connect(m_gridList, &QTableView::clicked, this, &LinkTableWindow::gridClicked);
    connect(m_gridList, &QTableView::doubleClicked, this, &LinkTableWindow::gridDoubleClicked);
}

void LinkTableWindow::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    if (m_layout)
        m_layout->resized();
}

void LinkTableWindow::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_gridList->setFocus();
}

void LinkTableWindow::readTable() {
    if (!m_table.readTable(m_minRows))
        tell(Captions::LinksNotRead, m_table.groupFilePath(m_table.currentGroup()));
}

bool LinkTableWindow::saveTable() {
    const bool saved = told(m_table.saveTable());
    m_search->invalidate();
    return saved;
}

bool LinkTableWindow::told(const WriteResult &result) {
    if (!result)
        tell(Captions::LinksNotSaved, result.path + QLatin1Char('\n') + result.error);
    return result.ok;
}

void LinkTableWindow::tell(int caption, const QString &detail) {
    QString text = m_context.language.caption(caption);
    if (!detail.isEmpty())
        text += QLatin1Char('\n') + detail;
    m_context.notifier.warn(m_context.language.caption(Captions::ProgramName), text);
}

void LinkTableWindow::buttonClick(int index, const QString &key) {
    if (index != m_cmdBar0->index() && index != m_cmdBar1->index())
        return;
    switch (WindowBars::actionOf(key)) {
    case WindowBars::Action::Close:
        reject();
        break;
    case WindowBars::Action::AddLink:
        addPage();
        break;
    case WindowBars::Action::EditLink:
        editLink(m_gridList->currentIndex().isValid() ? m_gridList->currentIndex().row() : -1);
        break;
    case WindowBars::Action::OpenLink:
        chooseLink(m_gridList->currentIndex().row());
        break;
    case WindowBars::Action::SortLinks:
        sortLinks();
        break;
    case WindowBars::Action::Save:
        if (saveTable())
            readTable();
        break;
    case WindowBars::Action::Help:
        openHelp();
        break;
    case WindowBars::Action::EditTitle:
        toggleTitleEdit();
        break;
    case WindowBars::Action::ImportBookmarks:
        if (offerSave())
            m_transfer->startImport();
        break;
    case WindowBars::Action::ExportBookmarks:
        m_transfer->exportAll();
        break;
    default:
        break;
    }
}

void LinkTableWindow::chooseGroup(int strip, int tab) {
    if (!m_loaded || strip < 0 || strip >= StripCount || tab < 0)
        return;
    const int group = strip * LinkTable::TabsPerStrip + tab;
    if (group == m_refusedGroup ||
        (group == m_table.currentGroup() && m_tabF[strip]->showsCurrent()))
        return;
    // Links that could not be saved are not dropped by reading another group: the strips
    // go back to the group shown once the click has ended.
    if (!offerSave()) {
        m_refusedGroup = group;
        QMetaObject::invokeMethod(this, &LinkTableWindow::showCurrentGroup, Qt::QueuedConnection);
        return;
    }
    m_table.setCurrentGroup(group);
    showCurrentGroup();
    readTable();
}

void LinkTableWindow::showCurrentGroup() {
    m_refusedGroup = -1;
    const int group = m_table.currentGroup();
    for (GroupStrip *strip : m_tabF) {
        const bool current = strip->strip() == group / LinkTable::TabsPerStrip;
        strip->setShowsCurrent(current);
        if (current) {
            const QSignalBlocker blocker(strip);
            strip->setCurrentIndex(group % LinkTable::TabsPerStrip);
        }
    }
}

void LinkTableWindow::addPage() {
    const LinkTable::Page page = m_page ? m_page() : LinkTable::Page();
    switch (m_table.addPage(page)) {
    case LinkTable::AddOutcome::NoTitle:
        tell(Captions::NoGroupTitle);
        return;
    case LinkTable::AddOutcome::AlreadyThere:
        tell(Captions::LinkAlreadyThere);
        return;
    case LinkTable::AddOutcome::Added:
        break;
    }
    if (saveTable())
        readTable();
}

void LinkTableWindow::editLink(int row) {
    if (!m_table.model().isLink(row))
        return;
    LinkEditor editor(m_context, m_table.model().entry(row), this);
    editor.exec();
    switch (editor.outcome()) {
    case LinkEditor::Outcome::Closed:
        return;
    case LinkEditor::Outcome::Saved:
        m_table.setLink(row, editor.entry());
        break;
    case LinkEditor::Outcome::Removed:
        m_table.removeLink(row);
        break;
    }
    if (saveTable())
        readTable();
}

void LinkTableWindow::sortLinks() {
    int endColumn = LinkTableModel::NameColumn;
    for (const QModelIndex &index : m_gridList->selectionModel()->selectedIndexes())
        endColumn = std::max(endColumn, index.column());
    m_table.model().sortLinks(endColumn == LinkTableModel::AddressColumn
                                  ? LinkTableModel::AddressColumn
                                  : LinkTableModel::NameColumn);
}

void LinkTableWindow::openHelp() {
    const QString path =
        m_context.folder.path(QStringLiteral("Data/QuortGOTab") +
                              m_context.language.settings().lang + QStringLiteral(".pdf"));
    if (!QFileInfo(path).isFile() || !m_context.desktop.openProgramFile(path))
        tell(Captions::FileNotOpened, path);
}

void LinkTableWindow::toggleTitleEdit() {
    if (!m_titleEditing) {
        m_titleEditing = true;
        m_table.setPendingTitle(QString());
        m_groupTitle->clear();
        m_groupTitle->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 192);"));
        m_groupTitle->show();
        m_groupTitle->setFocus();
        return;
    }
    if (!m_groupTitle->text().isEmpty()) {
        told(m_table.saveTitle());
    }
    m_groupTitle->hide();
    m_titleEditing = false;
}

void LinkTableWindow::renameGroup() {
    const QString title = m_groupTitle->text();
    const int group = m_table.currentGroup();
    m_tabF[group / LinkTable::TabsPerStrip]->setTitle(group % LinkTable::TabsPerStrip, title);
    m_groupTitle->setStyleSheet(QString());
    m_groupTitle->hide();
    m_titleEditing = false;
    told(m_table.renameGroup(title));
    m_groupTitle->clear();
}

void LinkTableWindow::gridClicked(const QModelIndex &index) {
    if (index.column() == LinkTableModel::NumberColumn)
        m_gridList->selectRow(index.row()); // the row-number cell chooses the whole row
    else if (index.column() == LinkTableModel::PrivateColumn)
        m_table.model().togglePrivate(index.row());
}

void LinkTableWindow::gridDoubleClicked(const QModelIndex &index) {
    const int row = index.row();
    if (!m_table.model().isLink(row))
        return;
    if (index.column() == LinkTableModel::NumberColumn) {
        editLink(row);
    } else if (index.column() == LinkTableModel::NameColumn ||
               index.column() == LinkTableModel::ShownAddressColumn) {
        chooseLink(row);
    }
}

void LinkTableWindow::chooseLink(int row) {
    if (!m_table.model().isLink(row))
        return;
    chooseAddress(m_table.model().entry(row).address);
}

void LinkTableWindow::chooseAddress(const QString &address) {
    m_chosenLink = address;
    closeWith(Accepted);
}

bool LinkTableWindow::offerSave() {
    if (!m_table.isModified())
        return true;
    const LanguageFile &texts = m_context.language;
    if (!m_context.notifier.ask(texts.caption(Captions::ProgramName),
                                texts.caption(Captions::SaveLinksQuestion)))
        return true;
    return saveTable();
}

void LinkTableWindow::reject() {
    if (m_leaving)
        return;
    m_leaving = true;
    offerSave();
    closeWith(Rejected);
}

void LinkTableWindow::closeWith(int result) {
    m_leaving = true;
    m_context.state.settings.linkTable = m_layout->placement();
    told(m_table.saveTitle());
    done(result);
}
