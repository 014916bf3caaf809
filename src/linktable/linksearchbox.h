#pragma once

#include "linktable/linksearch.h"

#include <QFutureWatcher>
#include <QObject>

class LanguageFile;
class LinkHitsModel;
class LinkTable;
class QLineEdit;
class QListView;
class QModelIndex;
class QWidget;

// The link table window's search: a field over the window and, while it holds text, the
// links of every group that match it, each with its group's name, shown where the grid
// is. Ctrl+F puts the cursor in the field, Enter opens the first link found, Esc clears.
// The matching itself is LinkSearch's.
class LinkSearchBox : public QObject {
    Q_OBJECT

public:
    // More hits than a list can usefully show are left out; a longer text narrows them.
    static constexpr int MaxHits = 200;

    LinkSearchBox(const LanguageFile &language, const LinkTable &table, QWidget *window);
    ~LinkSearchBox() override;

    QLineEdit *field() const { return m_field; }
    QListView *hits() const { return m_hits; }
    // The links changed: the index is built again.
    void invalidate();
    bool isReady() const { return m_search.isBuilt(); }

Q_SIGNALS:
    void linkChosen(const QString &address);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search(const QString &text);
    // Reading 105 files held the interface thread for about 50 ms: the index is built on a
    // worker from the window's opening on, and a text typed before shows once it is ready.
    void build();
    void built();
    void openFirst();
    void open(const QModelIndex &index);

    const LinkTable &m_table;
    LinkSearch m_search;
    QLineEdit *m_field = nullptr;
    QListView *m_hits = nullptr;
    LinkHitsModel *m_found = nullptr;
    QFutureWatcher<LinkSearch> m_building;
    bool m_stale = false; // the links changed while the index was being built
};
