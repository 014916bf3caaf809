#pragma once

#include <QIcon>
#include <QList>
#include <QString>

// An image list (ImageList1 of a window): pictures at positions counted from 0, each with
// a key. A position may hold no picture (an empty QIcon): a gap in the list, or an icon
// file that could not be read.
class ImageList {
public:
    // ImageTotal.
    int count() const { return static_cast<int>(m_entries.size()); }
    // PictureAt: an empty icon outside 0..count()-1.
    QIcon picture(int index) const;
    // ImageKeyAt, with the index counted from 0: empty outside 0..count()-1.
    QString key(int index) const;

    // Appends a picture; returns its position.
    int add(const QIcon &picture, const QString &key = {});
    // Puts a picture at a position, growing the list with empty positions as needed.
    void set(int index, const QIcon &picture, const QString &key);
    // AddIconFile: appends the pictures of an icon file (every size it holds) as one
    // position whose key is the file name without its folder. A missing or unreadable
    // file still takes its position, without a picture, so the positions after it stay
    // where the program expects them. Returns the position.
    int addIconFile(const QString &path);

    void clear() { m_entries.clear(); }

private:
    struct Entry {
        QIcon picture;
        QString key;
    };
    QList<Entry> m_entries;
};
