#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QTimer;
class QWebEngineView;
class QWidget;

// Printing of the engine view's page: the print dialog, the preview, page setup and PDF
// files. The page setup chosen is kept for the whole run and applies to every later print
// and PDF. Nothing here blocks the program while the engine renders, except the preview,
// which must have its pages before it shows them and waits with the event loop running.
class EnginePrinting : public QObject {
    Q_OBJECT

public:
    // view is the engine view printed; owner parents the dialogs and this object.
    EnginePrinting(QWebEngineView *view, QWidget *owner);
    ~EnginePrinting() override;

    void print();
    void printPreview();
    void pageSetup();
    // Prints the page into a PDF file; done runs once, later on this thread, with false when
    // the engine failed, took too long, or another print was running.
    void printToPdf(const QString &path, std::function<void(bool ok)> done);

    // The view is going away. The engine aborts the whole program when a page goes while it
    // renders a PDF or a print, so while one runs this takes the engine view out of its
    // owner, keeps it hidden until the job has ended, then deletes it and itself, telling
    // nobody. Otherwise both go at once.
    void release();

Q_SIGNALS:
    // A print job started from the print dialog has ended; ok is false if it failed.
    void printFinished(bool ok);

private:
    struct PdfJob {
        QString path;
        std::function<void(bool ok)> done;
        QTimer *timeLimit = nullptr;
    };

    void startPrint();
    void finishPrint(bool ok);
    void finishPdf(int id, bool ok);
    bool busy() const { return m_printing || !m_pdfJobs.isEmpty(); }
    // Deletes the view and this once released and nothing runs any more.
    void goIfReleased();
    // Paints the page into printer and returns when done, running the event loop meanwhile.
    void paintInto(QPrinter *printer);
    QPrinter *printer();

    QWebEngineView *m_view;
    QWidget *m_owner;
    std::unique_ptr<QPrinter> m_printer;
    bool m_printing = false;
    bool m_previewing = false;
    bool m_released = false;
    // The file a print dialog job writes, when it writes one.
    QString m_printPath;
    QHash<int, PdfJob> m_pdfJobs;
    int m_nextPdfJob = 0;
};
