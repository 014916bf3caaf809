#include "export/pageexports.h"

#include "browser/webview.h"
#include "core/captions.h"
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
#include <QtConcurrent/QtConcurrentRun>
#include <utility>

PageExports::PageExports(Context context, QObject *parent)
    : QObject(parent)
    , m_steps(std::move(context), [this] { Q_EMIT finished(); })
    , m_officeExports(m_steps) {}

PageExports::~PageExports() = default;

void PageExports::setOffice(OfficeRunner *office) {
    m_officeExports.setOffice(office);
}

void PageExports::setFileChooser(SaveDialog::Chooser chooser) {
    m_steps.context().chooseFile = std::move(chooser);
}

bool PageExports::run(PageExportKind kind) {
    const bool picture = kind == PageExportKind::Picture;
    const bool archive = kind == PageExportKind::WebArchive;
    const bool office = !picture && !archive && m_officeExports.hasOffice();
    if (!picture && !archive && !office)
        return false;
    if (!m_steps.begin(m_officeExports.isBusy()))
        return true;
    if (picture)
        takePicture();
    else if (archive)
        saveArchive();
    else
        m_officeExports.run(kind);
    return true;
}

void PageExports::takePicture() {
    if (WebView *view = m_steps.context().currentView())
        view->show();
    QPointer<PageExports> self(this);
    m_steps.context().capture.capture([self](const QImage &picture) {
        if (self)
            self->writePicture(picture);
    });
}

void PageExports::writePicture(const QImage &picture) {
    if (picture.isNull()) {
        m_steps.warn(m_steps.caption(Captions::PictureNotTaken));
        return m_steps.end();
    }
    const QString folder = m_steps.context().imagesFolder;
    if (!QDir().mkpath(folder)) {
        m_steps.warn(m_steps.caption(Captions::FileNotSaved) + QLatin1Char('\n') + folder);
        return m_steps.end();
    }
    int number = 0;
    const QString path =
        ExportNames::nextPicturePath(folder, m_steps.context().state.pictureCounter, &number);
    if (path.isEmpty()) {
        m_steps.warn(m_steps.caption(Captions::FileNotSaved) + QLatin1Char('\n') + folder);
        return m_steps.end();
    }
    // Encoding and writing a window-sized picture would hold the window up: a worker
    // does it, and the notice comes when it is done.
    auto *writing = new QFutureWatcher<bool>(this);
    connect(writing, &QFutureWatcherBase::finished, this, [this, writing, picture, path, number] {
        writing->deleteLater();
        if (!writing->result()) {
            m_steps.warn(m_steps.caption(Captions::FileNotSaved) + QLatin1Char('\n') + path);
            return m_steps.end();
        }
        m_steps.context().state.pictureCounter = number + 1;
        // The screen picture of old was left on the clipboard; this one is too.
        if (QClipboard *clipboard = QGuiApplication::clipboard())
            clipboard->setImage(picture);
        m_steps.inform(m_steps.caption(Captions::PictureSaved) + QStringLiteral(": ") +
                       QDir::toNativeSeparators(path));
        m_steps.end();
    });
    writing->setFuture(QtConcurrent::run([picture, path] {
        // Written whole or not at all: a full disk leaves no broken picture behind.
        QSaveFile file(path);
        return file.open(QIODevice::WriteOnly) && QImageWriter(&file, "BMP").write(picture) &&
               file.commit();
    }));
}

void PageExports::saveArchive() {
    WebView *view = m_steps.context().currentView();
    if (!view)
        return m_steps.end();
    m_steps.setDimmed(true);
    QPointer<PageExports> self(this);
    QPointer<WebView> page(view);
    view->requestHasContent([self, page](bool hasContent) {
        if (!self)
            return;
        if (!hasContent || !page) {
            self->m_steps.inform(self->m_steps.caption(Captions::NothingToExport));
            return self->m_steps.end();
        }
        self->archiveWithContent(page);
    });
}

void PageExports::archiveWithContent(WebView *view) {
    const QString filter =
        m_steps.caption(Captions::WebArchive) + QStringLiteral(" (*.mht *.mhtml)");
    const QString path =
        m_steps.chooseFile(filter, ExportNames::defaultName(view->title(), QStringLiteral(".mht"),
                                                            QStringLiteral("WebArchive")));
    if (path.isEmpty())
        return m_steps.end();
    QPointer<PageExports> self(this);
    view->saveArchive(path, [self, path](bool ok, const QString &error) {
        if (!self)
            return;
        if (ok && QFileInfo::exists(path))
            self->m_steps.inform(self->m_steps.caption(Captions::FileSaved) +
                                 QDir::toNativeSeparators(path));
        else
            self->m_steps.warn(self->m_steps.caption(Captions::FileNotSaved) + QLatin1Char('\n') +
                               path + QLatin1Char('\n') + error);
        self->m_steps.end();
    });
}
