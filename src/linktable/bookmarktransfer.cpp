#include "bookmarktransfer.h"

#include "core/captions.h"
#include "core/languagefile.h"
#include "core/notifier.h"
#include "core/programstate.h"
#include "linktable/bookmarkexport.h"
#include "linktable/linktable.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

namespace {

QString askForFile(QWidget *parent, const QString &title, const QString &filter, bool forWriting,
                   const QString &folder) {
    QFileDialog dialog(parent, title, folder, filter);
    // The Qt dialog, named for screen readers; replacing a file is asked in the program's
    // language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAccessibleName(title);
    dialog.setAcceptMode(forWriting ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forWriting ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (forWriting)
        dialog.selectFile(QStringLiteral("bookmarks.html"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

BookmarkTransfer::BookmarkTransfer(const WindowContext &context, const LinkTable &table,
                                   QWidget &window)
    : QObject(&window)
    , m_context(context)
    , m_table(table)
    , m_window(window) {
    connect(&m_watcher, &QFutureWatcher<BookmarkImport::Outcome>::finished, this,
            &BookmarkTransfer::importDone);
}

BookmarkTransfer::~BookmarkTransfer() {
    // The worker writes the link files: it ends before the window goes.
    m_watcher.waitForFinished();
}

QString BookmarkTransfer::choose(int titleCaption, bool forWriting) {
    const LanguageFile &texts = m_context.language;
    const QString filter =
        texts.caption(Captions::BookmarkFiles) + QStringLiteral(" (*.html *.htm)");
    QString folder = m_context.state.exportFolder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString title = texts.caption(titleCaption);
    const QString path = m_chooser ? m_chooser(&m_window, title, filter, forWriting)
                                   : askForFile(&m_window, title, filter, forWriting, folder);
    if (!path.isEmpty())
        m_context.state.exportFolder = QFileInfo(path).absolutePath();
    return path;
}

void BookmarkTransfer::startImport() {
    if (isBusy())
        return;
    const QString path = choose(Captions::ImportBookmarks, false);
    if (path.isEmpty())
        return;
    const LanguageFile &texts = m_context.language;
    BookmarkImport import(m_table.store(), m_table.titles(),
                          texts.caption(Captions::EmptyGroupTitle),
                          texts.caption(Captions::ImportedGroup));
    // The window keeps painting and moving while the file is read, but takes no edit that
    // the import's writes could cross.
    m_window.setEnabled(false);
    m_watcher.setFuture(QtConcurrent::run(
        [import = std::move(import), path]() mutable { return import.importFile(path); }));
}

void BookmarkTransfer::importDone() {
    m_window.setEnabled(true);
    const BookmarkImport::Outcome outcome = m_watcher.result();
    const LanguageFile &texts = m_context.language;
    using Error = BookmarkFile::Error;
    switch (outcome.file.error) {
    case Error::None:
        break;
    case Error::Unreadable:
        tell(texts.caption(Captions::FileNotOpened), true);
        Q_EMIT importFinished(false);
        return;
    case Error::TooLarge:
    case Error::Binary:
    case Error::NotBookmarkFile:
    case Error::Broken: {
        const int caption = outcome.file.error == Error::TooLarge ? Captions::BookmarkFileTooLarge
                            : outcome.file.error == Error::Binary ? Captions::BookmarkFileBinary
                            : outcome.file.error == Error::Broken ? Captions::BookmarkFileBroken
                                                                  : Captions::NotBookmarkFile;
        QString text = texts.caption(caption);
        if (!outcome.file.where.isEmpty())
            text += QLatin1Char('\n') + outcome.file.where;
        tell(text, true);
        Q_EMIT importFinished(false);
        return;
    }
    }
    if (!outcome.written) {
        tell(texts.caption(Captions::LinksNotSaved) + QLatin1Char('\n') + outcome.written.path +
                 QLatin1Char('\n') + outcome.written.error,
             true);
        Q_EMIT importFinished(false);
        return;
    }
    tell(BookmarkImport::message(outcome.summary, texts), false);
    Q_EMIT importFinished(outcome.summary.imported > 0);
}

void BookmarkTransfer::exportAll() {
    const QString path = choose(Captions::ExportBookmarks, true);
    if (path.isEmpty())
        return;
    const LanguageFile &texts = m_context.language;
    if (QFileInfo::exists(path) &&
        !m_context.notifier.ask(texts.caption(Captions::ProgramName),
                                texts.caption(Captions::ReplaceFile) + QLatin1Char('\n') +
                                    QDir::toNativeSeparators(path)))
        return;
    const WriteResult written =
        BookmarkExport::write(path, m_table.store(), m_table.titles(), LinkTable::GroupCount);
    if (written)
        tell(texts.caption(Captions::FileSaved) + QDir::toNativeSeparators(path), false);
    else
        tell(texts.caption(Captions::FileNotSaved) + QLatin1Char('\n') + path + QLatin1Char('\n') +
                 written.error,
             true);
}

void BookmarkTransfer::tell(const QString &text, bool warning) {
    const QString title = m_context.language.caption(Captions::ProgramName);
    if (warning)
        m_context.notifier.warn(title, text);
    else
        m_context.notifier.inform(title, text);
}
