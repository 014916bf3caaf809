#pragma once

#include "linktable/bookmarkimport.h"
#include "windows/windowcontext.h"

#include <QFutureWatcher>
#include <QObject>
#include <functional>

class LinkTable;
class QWidget;

// The link table window's "Import bookmarks…" and "Export bookmarks…": the file asked
// for, the import read and written off the interface thread while the window stays
// answering (its controls disabled), and the user told how it went. The files' rules are
// BookmarkFile's, BookmarkImport's and BookmarkExport's.
class BookmarkTransfer : public QObject {
    Q_OBJECT

public:
    // The file to read (forWriting false) or write; empty when the user cancelled.
    using FileChooser = std::function<QString(QWidget *parent, const QString &title,
                                              const QString &filter, bool forWriting)>;

    BookmarkTransfer(const WindowContext &context, const LinkTable &table, QWidget &window);
    ~BookmarkTransfer() override;

    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }
    bool isBusy() const { return m_watcher.isRunning(); }

    void startImport();
    void exportAll();

Q_SIGNALS:
    // The import has ended and the user was told; changed: the link files were written.
    void importFinished(bool changed);

private:
    QString choose(int titleCaption, bool forWriting);
    void importDone();
    void tell(const QString &text, bool warning);

    WindowContext m_context;
    const LinkTable &m_table;
    QWidget &m_window;
    FileChooser m_chooser;
    QFutureWatcher<BookmarkImport::Outcome> m_watcher;
};
