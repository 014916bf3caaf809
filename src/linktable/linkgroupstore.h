#pragma once

#include "linkentry.h"
#include "text/programfolder.h"
#include "text/writeresult.h"

#include <QList>
#include <QString>

// The files of the link groups, Links/Links.000 to Links.104: a group read for the grid,
// and written back sorted by name, which gives the group its new count.
class LinkGroupStore {
public:
    explicit LinkGroupStore(const ProgramFolder &folder);

    // group counts from 0.
    QString path(int group) const;

    // Exactly count links (none for a negative count): lines the file lacks, or a missing
    // file, give blank links, so a count in Links.Bok beyond the file still shows its rows.
    QList<LinkEntry> read(int group, int count) const;

    // The order a group is kept in: by name, letter case mattering ("Zed" before "alpha"),
    // links of one name in the order given; links without a name are left out.
    static QList<LinkEntry> sortedForSaving(QList<LinkEntry> links);

    struct SaveOutcome {
        WriteResult result;
        QList<LinkEntry> links; // as written, so the grid can show them in their new order
        int count() const { return static_cast<int>(links.size()); }
    };
    // Writes the links sorted. A failed write leaves the file as it was.
    SaveOutcome write(int group, const QList<LinkEntry> &links) const;

private:
    ProgramFolder m_folder;
};
