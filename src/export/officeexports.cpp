#include "export/officeexports.h"

#include "browser/webview.h"
#include "core/captions.h"
#include "core/programstate.h"
#include "export/exportnames.h"
#include "export/exportsteps.h"
#include "export/pagecapture.h"
#include "export/slideexport.h"
#include "export/wordexport.h"
#include "export/workbookexport.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPointer>
#include <QTemporaryFile>
#include <utility>

namespace {

const QString ExcelFilter =
    QStringLiteral("Microsoft Excel(*.xls);;Excel 2007 (*.xlsx);;OpenDocument (*.ods)");
const QString PowerPointFilter =
    QStringLiteral("Microsoft Powerpoint(*.ppt);;PowerPoint 2007 (*.pptx);;OpenDocument (*.odp)");

std::shared_ptr<QTemporaryFile> temporaryFile(const QString &suffix) {
    return std::make_shared<QTemporaryFile>(
        QDir::temp().filePath(QStringLiteral("quorttrans-page-XXXXXX") + suffix));
}

} // namespace

OfficeExports::OfficeExports(ExportSteps &steps, QObject *parent)
    : QObject(parent)
    , m_steps(steps) {}

void OfficeExports::run(PageExportKind kind) {
    const ProgramState &state = m_steps.context().state;
    if (kind == PageExportKind::Workbook)
        return withPage(true, true, [this](WebView *view) { workbook(view); });
    if (kind == PageExportKind::Slide)
        return withPage(false, false, [this](WebView *view) { slide(view); });
    const bool pdf = kind == PageExportKind::Pdf;
    const bool landscape = kind == PageExportKind::WordLandscape;
    const QString templatePath = landscape ? state.wordTemplatePath : state.wordTemplateHPath;
    // The template paths are set a moment after start-up; before that only the landscape
    // Word export has a way without a template (a blank landscape document).
    if (templatePath.isEmpty() && !landscape) {
        m_steps.inform(m_steps.caption(Captions::ProgramStarting));
        return m_steps.end();
    }
    withPage(true, true,
             [this, templatePath, pdf](WebView *view) { word(view, templatePath, pdf); });
}

void OfficeExports::withPage(bool dim, bool checkContent, std::function<void(WebView *)> next) {
    if (!m_office->isAvailable()) {
        m_steps.warn(m_steps.caption(Captions::OfficeMissing));
        return m_steps.end();
    }
    WebView *view = m_steps.context().currentView();
    if (!view)
        return m_steps.end();
    m_steps.setDimmed(dim);
    if (!checkContent) {
        m_office->warmUp(); // the office starts while the user picks a name
        return next(view);
    }
    QPointer<OfficeExports> self(this);
    QPointer<WebView> page(view);
    view->requestHasContent([self, page, next = std::move(next)](bool hasContent) {
        if (!self)
            return;
        if (!hasContent || !page) {
            self->m_steps.inform(self->m_steps.caption(Captions::NothingToExport));
            return self->m_steps.end();
        }
        self->m_office->warmUp();
        next(page);
    });
}

void OfficeExports::word(WebView *view, const QString &templatePath, bool pdf) {
    const QString filter = pdf ? QStringLiteral("PDF  (*.pdf)")
                               : QStringLiteral("Microsoft Word (*.doc);;Word 2007 (*.docx);;"
                                                "OpenDocument (*.odt)");
    const QString extension = pdf ? QStringLiteral(".pdf") : QStringLiteral(".doc");
    const QString path =
        m_steps.chooseFile(filter,
                           ExportNames::defaultName(view->title(), extension,
                                                    pdf ? QStringLiteral("PDFDocument")
                                                        : QStringLiteral("WordDocument")),
                           pdf ? WordExport::wordCopyOf : nullptr);
    if (path.isEmpty())
        return m_steps.end();
    auto notice = [this, path, pdf] {
        QString text = m_steps.caption(Captions::FileSaved) + QDir::toNativeSeparators(path);
        if (pdf)
            text += QLatin1Char('\n') + m_steps.caption(Captions::WordCopyWritten) +
                    QLatin1Char(' ') + QDir::toNativeSeparators(WordExport::wordCopyOf(path));
        return text;
    };
    withPageFile(
        view,
        [templatePath, path, pdf](const QString &htmlPath) -> OfficeRunner::Job {
            return [job = WordExport{htmlPath, templatePath, path, pdf}](OfficeSuite &suite) {
                return job.run(suite);
            };
        },
        notice, path);
}

void OfficeExports::workbook(WebView *view) {
    const QString path = m_steps.chooseFile(
        ExcelFilter, ExportNames::defaultName(view->title(), QStringLiteral(".xls"),
                                              QStringLiteral("ExcelDocument")));
    if (path.isEmpty())
        return m_steps.end();
    withPageFile(
        view,
        [path](const QString &htmlPath) -> OfficeRunner::Job {
            return [job = WorkbookExport{htmlPath, path}](OfficeSuite &suite) {
                return job.run(suite);
            };
        },
        [this, path]() -> QString {
            return m_steps.caption(Captions::FileSaved) + QDir::toNativeSeparators(path);
        },
        path);
}

void OfficeExports::slide(WebView *view) {
    // A presentation that exists is added to, so there is nothing to ask.
    const QString path =
        m_steps.chooseFile(PowerPointFilter,
                           ExportNames::defaultName(view->title(), QStringLiteral(".ppt"),
                                                    QStringLiteral("PPTDocument")),
                           nullptr, false);
    if (path.isEmpty())
        return m_steps.end();
    view->show();
    ExportSteps::Context &context = m_steps.context();
    if (context.freezeLayout)
        context.freezeLayout(true);
    QPointer<OfficeExports> self(this);
    context.capture.capture([self, path](const QImage &picture) {
        if (!self)
            return;
        ExportSteps &steps = self->m_steps;
        if (steps.context().freezeLayout)
            steps.context().freezeLayout(false);
        if (picture.isNull()) {
            steps.warn(steps.caption(Captions::PictureNotTaken));
            return steps.end();
        }
        auto pictureFile = temporaryFile(QStringLiteral(".png"));
        if (!pictureFile->open()) {
            steps.warn(steps.caption(Captions::FileNotSaved) + QLatin1Char('\n') +
                       pictureFile->fileName());
            return steps.end();
        }
        auto slideNumber = std::make_shared<int>(0);
        OfficeRunner::Job job = [picture, export_ = SlideExport{pictureFile->fileName(), path},
                                 slideNumber](OfficeSuite &suite) {
            // Encoded here, on the office thread: a window-sized PNG takes a while.
            if (!picture.save(export_.picturePath, "PNG"))
                return OfficeResult::failure(
                    QStringLiteral("The picture of the page could not be written to %1.")
                        .arg(export_.picturePath));
            const OfficeValue<int> slide = export_.run(suite);
            *slideNumber = slide.value;
            return slide.result;
        };
        auto notice = [self, path, slideNumber] {
            const ExportSteps &s = self->m_steps;
            QString text = s.caption(Captions::SlideAdded);
            text += QString::number(*slideNumber);
            text += QLatin1Char(' ');
            text += s.caption(Captions::SlideAddedTo);
            text += QLatin1String("\r\n");
            text += QDir::toNativeSeparators(path);
            return text;
        };
        self->runJob(std::move(job), notice, path, pictureFile);
    });
}

void OfficeExports::withPageFile(WebView *view,
                                 std::function<OfficeRunner::Job(const QString &)> makeJob,
                                 std::function<QString()> notice, const QString &target) {
    QPointer<OfficeExports> self(this);
    view->requestHtmlWithInlineImages([self, makeJob = std::move(makeJob),
                                       notice = std::move(notice), target](const QString &html) {
        if (!self)
            return;
        auto pageFile = temporaryFile(QStringLiteral(".html"));
        if (!pageFile->open() || pageFile->write(html.toUtf8()) < 0 || !pageFile->flush()) {
            self->m_steps.warn(self->m_steps.caption(Captions::FileNotSaved) + QLatin1Char('\n') +
                               pageFile->fileName());
            return self->m_steps.end();
        }
        self->runJob(makeJob(pageFile->fileName()), notice, target, pageFile);
    });
}

void OfficeExports::runJob(OfficeRunner::Job job, std::function<QString()> notice,
                           const QString &target, std::shared_ptr<QTemporaryFile> input) {
    m_steps.showStatus(m_steps.caption(Captions::WritingDocument) + QLatin1Char(' ') +
                       QDir::toNativeSeparators(target));
    QPointer<OfficeExports> self(this);
    m_office->run(
        std::move(job),
        // The input file lives until the office is done with it.
        [self, notice = std::move(notice), target, input](const OfficeResult &result) {
            if (!self)
                return;
            ExportSteps &steps = self->m_steps;
            steps.showStatus({});
            if (result && QFileInfo::exists(target))
                steps.inform(notice());
            else
                steps.warn(steps.caption(Captions::OfficeFailed) + QLatin1Char('\n') +
                           result.error);
            steps.end();
        },
        m_steps.caption(Captions::OfficeStopped));
}
