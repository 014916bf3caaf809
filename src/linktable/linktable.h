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
    int currentGroup() const { return m_currentGroup; }
    void setCurrentGroup(int group);

    // Read_Table for the current group.
    void readTable(int minRows);
    // Save_Table: writes the current group sorted, shows it in that order, then writes its
    // new count with the titles. When the group's file cannot be written, neither the grid
    // nor the count nor the titles change.
    WriteResult saveTable();
    // Save_Title: applies a pending title to the current group, then writes the titles.
    WriteResult saveTitle();

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
};
