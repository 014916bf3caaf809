#pragma once

#include "text/writeresult.h"

#include <QString>
#include <QStringList>
#include <array>

// Links/Links.Bok: each link group's title and number of links, one line per entry:
// the title, "," and the count.
class LinkTitles {
public:
    static constexpr int Capacity = 160;       // entries 1..160 in memory
    static constexpr int WrittenEntries = 150; // LinkGroupCount × LinkGroupSize
    static constexpr int MaxCount = 32767;     // links a group can hold

    explicit LinkTitles(QString path);

    // Read_Titles. A missing file is first created with a default title per entry
    // (defaultTitle, a blank and the entry number); a failure to create it is returned
    // and the defaults are used in memory. Entries a short file lacks keep the default.
    WriteResult read(const QString &defaultTitle);
    void parse(const QStringList &lines);
    // Writes entries 1..150.
    WriteResult save() const;
    QStringList lines() const;

    // Entries count from 1; outside 1..160 a title is empty and a count 0, and setting
    // one does nothing.
    QString title(int entry) const;
    int count(int entry) const;
    void setTitle(int entry, const QString &title);
    void setCount(int entry, int count);

    // Entries 1..entries whose group holds no link get the default title again, so
    // after a change of language they carry the new language's word.
    void retitleEmptyGroups(const QString &defaultTitle, int entries);

    const QString &path() const { return m_path; }

private:
    static bool inRange(int entry) { return entry >= 1 && entry <= Capacity; }

    QString m_path;
    std::array<QString, Capacity + 1> m_titles;
    std::array<int, Capacity + 1> m_counts{};
};
