#pragma once

#include "linktable/linktable.h"
#include "windows/windowcontext.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class BookmarkTransfer;
class GroupStrip;
class LinkSearchBox;
class LinkTableLayout;
class QLabel;
class QLineEdit;
class QTableView;
class QToolBar;
class WindowCommandBar;

// `frmTab`: the link groups, seven strips of fifteen group tabs (`TabF`) over the grid of
// the chosen group's links (`GridList`). The user adds the page the main window shows,
// edits, sorts and opens links and renames groups. Modal; choosing a link closes it and
// leaves the link's address in chosenLink().
class LinkTableWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int StripCount = LinkTable::StripCount;

    // page: the main window's page at the moment ADDURL is chosen.
    LinkTableWindow(const WindowContext &context, LinkTable &table,
                    std::function<LinkTable::Page()> page, QWidget *parent = nullptr);
    ~LinkTableWindow() override;

    const QString &chosenLink() const { return m_chosenLink; }
    int minRows() const { return m_minRows; }
    bool titleEditing() const { return m_titleEditing; }

    QTableView *gridList() const { return m_gridList; }
    GroupStrip *tabF(int strip) const { return m_tabF.at(strip); }
    QLineEdit *groupTitleEdit() const { return m_groupTitle; }
    QToolBar *toolBar(int element) const;
    LinkSearchBox *search() const { return m_search; }
    BookmarkTransfer *bookmarkTransfer() const { return m_transfer; }

    // The bars' click handler: elements 0 and 1.
    void buttonClick(int index, const QString &key);
    // A click on tab `tab` of strip `strip`.
    void chooseGroup(int strip, int tab);
    // Edit_URL for a grid row (from 0); nothing for a row without a link.
    void editLink(int row);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void buildBars();
    void buildStrips();
    void buildGrid();
    // After an import: the groups' titles and the shown group as the files now hold them.
    void reloadAll(bool changed);
    void showCurrentGroup();
    void readTable();
    // Save_Table; a failure is told and the table stays as it is, still modified.
    bool saveTable();
    // A failed write is told; true when it succeeded.
    bool told(const WriteResult &result);
    void addPage();
    void sortLinks();
    void openHelp();
    void toggleTitleEdit();
    void renameGroup();
    void gridClicked(const QModelIndex &index);
    void gridDoubleClicked(const QModelIndex &index);
    // GOURL: the row's address is the link chosen, and the window closes.
    void chooseLink(int row);
    void chooseAddress(const QString &address);
    // Asks caption 101 when links are unsaved; false when they could not be saved.
    bool offerSave();
    void closeWith(int result);
    void tell(int caption, const QString &detail = {});

    WindowContext m_context;
    LinkTable &m_table;
    std::function<LinkTable::Page()> m_page;
    std::unique_ptr<WindowCommandBar> m_cmdBar0;
    std::unique_ptr<WindowCommandBar> m_cmdBar1;
    std::array<GroupStrip *, StripCount> m_tabF{};
    std::unique_ptr<LinkTableLayout> m_layout;
    QTableView *m_gridList = nullptr;
    LinkSearchBox *m_search = nullptr;
    BookmarkTransfer *m_transfer = nullptr;
    QLineEdit *m_groupTitle = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_lblMove = nullptr;
    QString m_chosenLink;
    int m_minRows = 1;
    int m_refusedGroup = -1; // a group not switched to, while the click that chose it ends
    bool m_loaded = false;
    bool m_titleEditing = false;
    bool m_leaving = false;
};
