#include "export/pageexports.h"

#include "browser/webview.h"
#include "core/captions.h"
#include "core/languagefile.h"
#include "core/notifier.h"
#include "core/programstate.h"
#include "export/exportnames.h"
#include "export/pagecapture.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPointer>
#include <QSaveFile>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>
#include <utility>

PageExports::PageExports(Context context, QObject *parent)
    : QObject(parent)
    , m_context(std::move(context)) {}

bool PageExports::run(const QString &key) {
    const bool picture = key == QLatin1String("EDIT:PICTURE");
    if (!picture && key != QLatin1String("SAVE:HTML"))
        return false;
    if (m_busy) {
        // Never two at once: the second would picture or save the first one's half-way.
        inform(caption(Captions::ExportRunning));
        return true;
    }
    m_busy = true;
    if (picture)
        takePicture();
    else
        saveArchive();
    return true;
}

void PageExports::takePicture() {
    if (WebView *view = m_context.currentView())
        view->show();
    QPointer<PageExports> self(this);
    m_context.capture.capture([self](const QImage &picture) {
        if (self)
            self->writePicture(picture);
    });
}

void PageExports::writePicture(const QImage &picture) {
    if (picture.isNull()) {
        warn(caption(Captions::PictureNotTaken));
        return end();
    }
    const QString folder = m_context.imagesFolder;
    if (!QDir().mkpath(folder)) {
        warn(caption(Captions::FileNotSaved) + QLatin1Char('\n') + folder);
        return end();
    }
    int number = 0;
    const QString path =
        ExportNames::nextPicturePath(folder, m_context.state.pictureCounter, &number);
    if (path.isEmpty()) {
        warn(caption(Captions::FileNotSaved) + QLatin1Char('\n') + folder);
        return end();
    }
    // Encoding and writing a window-sized picture would hold the window up: a worker
    // does it, and the notice comes when it is done.
    auto *writing = new QFutureWatcher<bool>(this);
    connect(writing, &QFutureWatcherBase::finished, this, [this, writing, picture, path, number] {
        writing->deleteLater();
        if (!writing->result()) {
            warn(caption(Captions::FileNotSaved) + QLatin1Char('\n') + path);
            return end();
        }
        m_context.state.pictureCounter = number + 1;
        // The screen picture of old was left on the clipboard; this one is too.
        if (QClipboard *clipboard = QGuiApplication::clipboard())
            clipboard->setImage(picture);
        inform(caption(Captions::PictureSaved) + QStringLiteral(": ") +
               QDir::toNativeSeparators(path));
        end();
    });
    writing->setFuture(QtConcurrent::run([picture, path] {
        // Written whole or not at all: a full disk leaves no broken picture behind.
        QSaveFile file(path);
        return file.open(QIODevice::WriteOnly) && QImageWriter(&file, "BMP").write(picture) &&
               file.commit();
    }));
}

void PageExports::saveArchive() {
    WebView *view = m_context.currentView();
    if (!view)
        return end();
    setDimmed(true);
    QPointer<PageExports> self(this);
    QPointer<WebView> page(view);
    view->requestHasContent([self, page](bool hasContent) {
        if (!self)
            return;
        if (!hasContent || !page) {
            self->inform(self->caption(Captions::NothingToExport));
            return self->end();
        }
        self->archiveWithContent(page);
    });
}

void PageExports::archiveWithContent(WebView *view) {
    const QString filter = caption(Captions::WebArchive) + QStringLiteral(" (*.mht *.mhtml)");
    const QString path =
        chooseFile(filter, ExportNames::defaultName(view->title(), QStringLiteral(".mht")));
    if (path.isEmpty())
        return end();
    QPointer<PageExports> self(this);
    view->saveArchive(path, [self, path](bool ok, const QString &error) {
        if (!self)
            return;
        if (ok && QFileInfo::exists(path))
            self->inform(self->caption(Captions::FileSaved) + QDir::toNativeSeparators(path));
        else
            self->warn(self->caption(Captions::FileNotSaved) + QLatin1Char('\n') + path +
                       QLatin1Char('\n') + error);
        self->end();
    });
}

QString PageExports::chooseFile(const QString &filter, const QString &defaultName) {
    SaveDialogRequest request;
    request.title = caption(Captions::ChooseFileName);
    request.filter = filter;
    request.defaultName = defaultName;
    request.folder = m_context.state.exportFolder;
    const QString path = m_context.chooseFile(&m_context.window, request);
    if (path.isEmpty())
        return {};
    m_context.state.exportFolder = QFileInfo(path).absolutePath();
    if (QFileInfo::exists(path) &&
        !m_context.notifier.ask(caption(Captions::ProgramName),
                                caption(Captions::ReplaceFile) + QLatin1Char('\n') + path))
        return {};
    return path;
}

void PageExports::setDimmed(bool dimmed) {
    // Where the window system cannot dim a window, this does nothing, and nothing is said.
    m_context.window.setWindowOpacity(
        (dimmed ? ProgramState::ExportOpacity : ProgramState::NormalOpacity) / 255.0);
}

void PageExports::end() {
    setDimmed(false);
    m_busy = false;
    Q_EMIT finished();
}

QString PageExports::caption(int n) const {
    return m_context.language.caption(n);
}

void PageExports::inform(const QString &text) {
    m_context.notifier.inform(caption(Captions::ProgramName), text);
}

void PageExports::warn(const QString &text) {
    m_context.notifier.warn(caption(Captions::ProgramName), text);
}
