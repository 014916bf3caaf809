#include "browser/engineprinting.h"

#include <QEventLoop>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// Rendering a page for print takes a few seconds at most; nothing waits longer.
constexpr int PrintTimeLimitMs = 60000;

} // namespace

EnginePrinting::EnginePrinting(QWebEngineView *view, QWidget *owner)
    : QObject(owner)
    , m_view(view)
    , m_owner(owner) {
    // The page's own print button asks as the print command does.
    connect(m_view, &QWebEngineView::printRequested, this, &EnginePrinting::print);
    connect(m_view, &QWebEngineView::printFinished, this, [this](bool ok) {
        if (m_printing && !m_previewing)
            finishPrint(ok);
    });
    connect(m_view->page(), &QWebEnginePage::pdfPrintingFinished, this,
            [this](const QString &path, bool ok) {
                if (m_printing && path == m_printPath) {
                    finishPrint(ok);
                    return;
                }
                for (auto job = m_pdfJobs.cbegin(); job != m_pdfJobs.cend(); ++job) {
                    if (job->path == path) {
                        finishPdf(job.key(), ok);
                        return;
                    }
                }
            });
}

EnginePrinting::~EnginePrinting() = default;

QPrinter *EnginePrinting::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
        // The engine rasterises the page; this keeps print text sharp.
        m_printer->setResolution(300);
    }
    return m_printer.get();
}

void EnginePrinting::print() {
    if (m_printing || m_previewing)
        return;
    auto *dialog = new QPrintDialog(printer(), m_owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, &EnginePrinting::startPrint);
    dialog->open();
}

void EnginePrinting::startPrint() {
    // The printer stays ours until the engine reports the job done.
    QPrinter *target = printer();
    m_printing = true;
    // A PDF file gets the engine's own PDF, whose text stays text; a printer gets pictures
    // of the pages.
    if (target->outputFormat() == QPrinter::PdfFormat && !target->outputFileName().isEmpty()) {
        m_printPath = target->outputFileName();
        m_view->page()->printToPdf(m_printPath, target->pageLayout(), target->pageRanges());
    } else {
        m_printPath.clear();
        m_view->print(target);
    }
}

void EnginePrinting::finishPrint(bool ok) {
    m_printing = false;
    m_printPath.clear();
    if (m_released)
        goIfReleased();
    else
        Q_EMIT printFinished(ok);
}

void EnginePrinting::release() {
    m_released = true;
    if (!busy()) {
        // At once: the page answers its pending requests as it goes, while its owner can
        // still tell that it is closing.
        delete m_view;
        delete this;
        return;
    }
    setParent(nullptr);
    m_view->hide();
    m_view->setParent(nullptr);
}

void EnginePrinting::goIfReleased() {
    if (!m_released || busy())
        return;
    // Never inside the engine's own report.
    m_view->deleteLater();
    deleteLater();
}

void EnginePrinting::printToPdf(const QString &path, std::function<void(bool ok)> done) {
    const int id = m_nextPdfJob++;
    auto *timeLimit = new QTimer(this);
    timeLimit->setSingleShot(true);
    connect(timeLimit, &QTimer::timeout, this, [this, id] { finishPdf(id, false); });
    m_pdfJobs.insert(id, PdfJob{path, std::move(done), timeLimit});
    // The engine renders one print at a time and drops a PDF asked for while it prints to
    // a printer without a word; such a request fails at once instead.
    if (m_printing || m_previewing) {
        QTimer::singleShot(0, this, [this, id] { finishPdf(id, false); });
        return;
    }
    timeLimit->start(PrintTimeLimitMs);
    m_view->page()->printToPdf(path, printer()->pageLayout());
}

void EnginePrinting::finishPdf(int id, bool ok) {
    const auto job = m_pdfJobs.find(id);
    if (job == m_pdfJobs.end())
        return;
    const PdfJob finished = *job;
    m_pdfJobs.erase(job);
    finished.timeLimit->deleteLater();
    if (m_released)
        goIfReleased();
    else if (finished.done)
        finished.done(ok);
}

void EnginePrinting::printPreview() {
    auto *dialog = new QPrintPreviewDialog(printer(), m_owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this, &EnginePrinting::paintInto);
    dialog->open();
}

void EnginePrinting::paintInto(QPrinter *target) {
    // The preview wants its pages painted before this returns; the engine renders
    // asynchronously, so wait for it here with the event loop running.
    if (m_printing || m_previewing)
        return;
    m_previewing = true;
    QPointer<EnginePrinting> self(this);
    QEventLoop loop;
    connect(m_view, &QWebEngineView::printFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(PrintTimeLimitMs, &loop, &QEventLoop::quit);
    m_view->print(target);
    loop.exec();
    if (self)
        m_previewing = false;
}

void EnginePrinting::pageSetup() {
    // Modal on purpose: this dialog hands its choices to the printer only when run by exec().
    QPointer<QPageSetupDialog> dialog = new QPageSetupDialog(printer(), m_owner);
    dialog->exec();
    delete dialog;
}
