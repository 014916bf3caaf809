#pragma once

#include "linkgroupstore.h"
#include "linktitles.h"

#include <QList>
#include <QString>
#include <QStringList>

// Every group's links searched at once by title, address and note, letter case and
// accents ignored ("cafe" finds "Café"). The private value is neither indexed nor handed
// out. The index is built from the files once and kept until the links change.
class LinkSearch {
public:
    struct Hit {
        int group = 0; // from 0
        int row = 0;   // the link's row in its group, from 0
        QString groupTitle;
        QString name;
        QString address;
        QString shownAddress;
    };

    // Reads every group's file as the titles count it.
    void rebuild(const LinkGroupStore &store, const LinkTitles &titles, int groups);
    void clear();
    bool isBuilt() const { return m_built; }
    int size() const { return static_cast<int>(m_links.size()); }

    // The links holding every word of the text, in group and row order; at most limit.
    QList<Hit> find(const QString &text, int limit) const;

    // Lower case, accents and other combining marks dropped, blanks made one.
    static QString normalised(const QString &text);

private:
    struct Indexed {
        Hit hit;
        QString haystack; // name, address and note, normalised
    };
    QList<Indexed> m_links;
    bool m_built = false;
};
