#include "export/pageexports.h"

#include "browser/webview.h"
#include "core/captions.h"
#include "core/languagefile.h"
#include "core/notifier.h"
#include "core/programstate.h"
#include "export/exportnames.h"
#include "export/officerunner.h"
#include "export/pagecapture.h"
#include "export/wordexport.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPointer>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>
#include <utility>

PageExports::PageExports(Context context, QObject *parent)
    : QObject(parent)
    , m_context(std::move(context)) {}

bool PageExports::run(const QString &key) {
    const bool picture = key == QLatin1String("EDIT:PICTURE");
    const bool archive = key == QLatin1String("SAVE:HTML");
    const bool pdf = key == QLatin1String("SAVE:PDF");
    const bool wordH = key == QLatin1String("SAVE:WORDH");
    const bool wordV = key == QLatin1String("SAVE:WORDV");
    if (!picture && !archive && !((pdf || wordH || wordV) && m_office))
        return false;
    if (m_busy || (m_office && m_office->isBusy())) {
        // Never two at once: the second would picture or save the first one's half-way.
        inform(caption(Captions::ExportRunning));
        return true;
    }
    m_busy = true;
    if (picture)
        takePicture();
    else if (archive)
        saveArchive();
    else
        exportToWord(wordH ? m_context.state.wordTemplatePath : m_context.state.wordTemplateHPath,
                     pdf, wordH);
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

void PageExports::exportToWord(const QString &templatePath, bool pdf, bool blankAllowed) {
    // The template paths are set a moment after start-up; before that only the Word
    // export has a way without a template (a blank landscape document).
    if (templatePath.isEmpty() && !blankAllowed) {
        inform(caption(Captions::ProgramStarting));
        return end();
    }
    if (!m_office->isAvailable()) {
        warn(caption(Captions::OfficeMissing));
        return end();
    }
    WebView *view = m_context.currentView();
    if (!view)
        return end();
    setDimmed(true);
    QPointer<PageExports> self(this);
    QPointer<WebView> page(view);
    view->requestHasContent([self, page, templatePath, pdf](bool hasContent) {
        if (!self)
            return;
        if (!hasContent || !page) {
            self->inform(self->caption(Captions::NothingToExport));
            return self->end();
        }
        self->wordWithContent(page, templatePath, pdf);
    });
}

void PageExports::wordWithContent(WebView *view, const QString &templatePath, bool pdf) {
    m_office->warmUp(); // the office starts while the user picks a name
    const QString filter = pdf ? QStringLiteral("PDF  (*.pdf)")
                               : QStringLiteral("Microsoft Word (*.doc);;Word 2007 (*.docx);;"
                                                "OpenDocument (*.odt)");
    const QString extension = pdf ? QStringLiteral(".pdf") : QStringLiteral(".doc");
    const QString path = chooseFile(filter, ExportNames::defaultName(view->title(), extension),
                                    pdf ? WordExport::wordCopyOf : nullptr);
    if (path.isEmpty())
        return end();
    QPointer<PageExports> self(this);
    view->requestHtmlWithInlineImages([self, templatePath, path, pdf](const QString &html) {
        if (self)
            self->writeWord(WordExport{{}, templatePath, path, pdf}, html);
    });
}

void PageExports::writeWord(WordExport job, const QString &html) {
    auto pageFile = std::make_shared<QTemporaryFile>(
        QDir::temp().filePath(QStringLiteral("quorttrans-page-XXXXXX.html")));
    if (!pageFile->open() || pageFile->write(html.toUtf8()) < 0 || !pageFile->flush()) {
        warn(caption(Captions::FileNotSaved) + QLatin1Char('\n') + pageFile->fileName());
        return end();
    }
    job.htmlPath = pageFile->fileName();
    showStatus(caption(Captions::WritingDocument) + QLatin1Char(' ') +
               QDir::toNativeSeparators(job.target));
    QPointer<PageExports> self(this);
    m_office->run([job](OfficeSuite &suite) { return job.run(suite); },
                  [self, job, pageFile](const OfficeResult &result) {
                      if (!self)
                          return;
                      self->showStatus({});
                      if (result && QFileInfo::exists(job.target)) {
                          QString text = self->caption(Captions::FileSaved) +
                                         QDir::toNativeSeparators(job.target);
                          if (job.pdf)
                              text += QLatin1Char('\n') + self->caption(Captions::WordCopyWritten) +
                                      QLatin1Char(' ') +
                                      QDir::toNativeSeparators(WordExport::wordCopyOf(job.target));
                          self->inform(text);
                      } else {
                          self->warn(self->caption(Captions::OfficeFailed) + QLatin1Char('\n') +
                                     result.error);
                      }
                      self->end();
                  },
                  caption(Captions::OfficeStopped));
}

void PageExports::showStatus(const QString &text) {
    if (m_context.showStatus)
        m_context.showStatus(text);
}

QString PageExports::chooseFile(const QString &filter, const QString &defaultName,
                                QString (*companionOf)(const QString &)) {
    SaveDialogRequest request;
    request.title = caption(Captions::ChooseFileName);
    request.filter = filter;
    request.defaultName = defaultName;
    request.folder = m_context.state.exportFolder;
    const QString path = m_context.chooseFile(&m_context.window, request);
    if (path.isEmpty())
        return {};
    m_context.state.exportFolder = QFileInfo(path).absolutePath();
    // One question names every file the export would replace (a PDF's Word copy too).
    QStringList existing;
    for (const QString &file : {path, companionOf ? companionOf(path) : QString()})
        if (!file.isEmpty() && QFileInfo::exists(file))
            existing.append(QDir::toNativeSeparators(file));
    if (!existing.isEmpty() &&
        !m_context.notifier.ask(caption(Captions::ProgramName),
                                caption(Captions::ReplaceFile) + QLatin1Char('\n') +
                                    existing.join(QLatin1Char('\n'))))
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
