#pragma once

#include "linktable/linksearch.h"

#include <QObject>

class LanguageFile;
class LinkTable;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QWidget;

// The link table window's search: a field over the window and, while it holds text, the
// links of every group that match it, each with its group's name, shown where the grid
// is. Ctrl+F puts the cursor in the field, Enter opens the first link found, Esc clears.
// The matching itself is LinkSearch's.
class LinkSearchBox : public QObject {
    Q_OBJECT

public:
    // More hits than a list can usefully show are left out; a longer text narrows them.
    static constexpr int MaxHits = 500;

    LinkSearchBox(const LanguageFile &language, const LinkTable &table, QWidget *window);

    QLineEdit *field() const { return m_field; }
    QListWidget *hits() const { return m_hits; }
    // The links changed: the index is built again when it is next searched.
    void invalidate();

Q_SIGNALS:
    void linkChosen(const QString &address);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search(const QString &text);
    void openFirst();
    void open(const QListWidgetItem *item);

    const LinkTable &m_table;
    LinkSearch m_search;
    QLineEdit *m_field = nullptr;
    QListWidget *m_hits = nullptr;
};
