#pragma once

#include "linkgroupstore.h"
#include "linktablemodel.h"
#include "linktitles.h"

class LanguageFile;

// The link table's files together: the titles and counts of the 105 groups, the groups'
// files, and the links of the current group in a model for the grid.
class LinkTable {
public:
    static constexpr int StripCount = 7;
    static constexpr int TabsPerStrip = 15;
    static constexpr int GroupCount = StripCount * TabsPerStrip;

    explicit LinkTable(const ProgramFolder &folder);

    // Read_Titles.
    WriteResult readTitles(const LanguageFile &language);
    // Column_Titles.
    void applyColumnTitles(const LanguageFile &language);

    QString groupFilePath(int group) const;
    const LinkGroupStore &store() const { return m_store; }
    int currentGroup() const { return m_currentGroup; }
    void setCurrentGroup(int group);

    // Read_Table for the current group. False when its file is there but cannot be read:
    // the group then shows blank rows for its links.
    bool readTable(int minRows);
    // Save_Table: writes the current group sorted, shows it in that order, then writes its
    // new count with the titles. When the group's file cannot be written, neither the grid
    // nor the count nor the titles change.
    WriteResult saveTable();
    // Save_Title: applies a pending title to the current group, then writes the titles.
    WriteResult saveTitle();

    // The page the main window shows, as ADDURL adds it.
    struct Page {
        QString title;       // the current tab's title
        QString address;     // the current tab's page address
        QString addressText; // what the address bar shows
        QString date;        // TodayText
    };
    enum class AddOutcome { Added, NoTitle, AlreadyThere };
    static constexpr int ShownAddressLength = 100;
    // The address as the grid shows it: cut to ShownAddressLength and marked "..".
    static QString shownAddress(const QString &address);
    // ADD_Tab: the page becomes the current group's next link, unless it has no title yet
    // or a link of the group has its title for a name. saveTable() writes it.
    AddOutcome addPage(const Page &page);

    // The link editor's answer for one row: the row's new fields, or (CANCEL) no link.
    void setLink(int row, const LinkEntry &entry);
    void removeLink(int row) { setLink(row, LinkEntry()); }
    // Links changed since the group was last read or saved; a failed save leaves it set.
    bool isModified() const { return m_modified; }

    // Enter in the title box: the current group takes the text as its title, an empty text
    // included, and the titles are written.
    WriteResult renameGroup(const QString &title);

    void setPendingTitle(const QString &title) { m_pendingTitle = title; }
    const QString &pendingTitle() const { return m_pendingTitle; }

    LinkTitles &titles() { return m_titles; }
    const LinkTitles &titles() const { return m_titles; }
    LinkTableModel &model() { return m_model; }
    const LinkTableModel &model() const { return m_model; }

private:
    LinkGroupStore m_store;
    LinkTitles m_titles;
    LinkTableModel m_model;
    int m_currentGroup = 0;
    QString m_pendingTitle;
    bool m_modified = false;
};
