#include "libreofficesuite.h"

#include "libreofficefilters.h"
#include "officeprocess.h"
#include "unoplugin.h"
#include "unosession.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QUrl>
#include <QtDebug>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

// A cold start took under four seconds; a busy computer gets plenty more. A single call
// (a long page into a document) may take long, but not longer than the exports wait for a
// whole export: a call that hangs is ended with its office, so the export thread is free.
constexpr qint64 ConnectLimitMsecs = 60000;
constexpr qint64 CallLimitMsecs = 60000;
constexpr int QuitGraceMsecs = 5000;
// soffice.bin may end once on a new profile, asking to be started again.
constexpr int Launches = 3;

QString absolute(const QString &path) {
    return QFileInfo(path).absoluteFilePath();
}

QString fileUrl(const QString &path) {
    return QUrl::fromLocalFile(absolute(path)).toString(QUrl::FullyEncoded);
}

// The sentence for the user; what the office said goes to the log.
OfficeResult failure(const QString &sentence, const QString &detail = QString()) {
    if (!detail.isEmpty())
        qWarning().noquote() << "LibreOffice:" << sentence << detail;
    return OfficeResult::failure(sentence);
}

QString kindName(OfficeKind kind) {
    switch (kind) {
    case OfficeKind::Text:
        return QStringLiteral("a text document");
    case OfficeKind::Sheet:
        return QStringLiteral("a workbook");
    case OfficeKind::Slides:
        return QStringLiteral("a presentation");
    }
    return QString();
}

} // namespace

struct LibreOfficeSuite::Private {
    QString profile;
    OfficeProcess process;
    std::unique_ptr<UnoSession> session;
    struct Open {
        quint64 sessionId = 0;
        OfficeKind kind = OfficeKind::Text;
    };
    // By handle. Handles count on across office restarts, so an old one never names a
    // document of the new office.
    QHash<quint64, Open> documents;
    quint64 lastHandle = 0;
    // Handles given out by an office that has ended since: closing them is not an error.
    QSet<quint64> lost;

    OfficeResult ensureRunning(bool available);
    OfficeResult launch();
    void end();
    // Runs a session call; the office is killed, so the call returns, when it hangs.
    template <typename Call> auto limited(Call call) {
        process.setDeadline(CallLimitMsecs);
        auto answer = call();
        process.setDeadline(0);
        return answer;
    }
    OfficeResult checkDocument(OfficeDocument document, OfficeKind kind);
    OfficeValue<OfficeDocument> adopt(quint64 id, OfficeKind kind, const QString &sentence,
                                      const QString &detail);
    OfficeResult storeReplacing(OfficeDocument document, const QString &path,
                                const QString &filterName);
};

OfficeResult LibreOfficeSuite::Private::ensureRunning(bool available) {
    if (session && process.isRunning())
        return OfficeResult::success();
    end();
    if (!available) {
        return failure(QStringLiteral("LibreOffice is not installed: %1 does not exist.")
                           .arg(QDir(officeFolder()).filePath(QStringLiteral("soffice.bin"))));
    }
    return launch();
}

OfficeResult LibreOfficeSuite::Private::launch() {
    // The bridge writes into a pipe the office may close at any moment (it ends, crashes or
    // is killed while the last releases are under way). That write must fail and be
    // reported, not end the whole program with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    QString error;
    session = UnoPlugin::createSession(&error);
    if (!session)
        return failure(error);
    if (!QDir().mkpath(profile))
        return failure(
            QStringLiteral("LibreOffice cannot start: cannot make the folder %1.").arg(profile));

    const QString pipe = QStringLiteral("quorttrans-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate64(), 0, 16);
    const QStringList arguments{
        QStringLiteral("--headless"),
        QStringLiteral("--norestore"),
        QStringLiteral("--nologo"),
        QStringLiteral("--nodefault"),
        QStringLiteral("--nolockcheck"),
        QStringLiteral("-env:UserInstallation=") + fileUrl(profile),
        QStringLiteral("--accept=pipe,name=%1;urp;StarOffice.ComponentContext").arg(pipe),
    };
    // soffice.bin itself, not the soffice script and its launcher: the process that gets
    // the kill signal when the program dies must be the office.
    const QString program = QDir(officeFolder()).filePath(QStringLiteral("soffice.bin"));
    const qint64 until = QDateTime::currentMSecsSinceEpoch() + ConnectLimitMsecs;
    QString detail;
    for (int launch = 0; launch < Launches; ++launch) {
        if (!process.start(program, arguments, &error)) {
            session.reset();
            return failure(QStringLiteral("LibreOffice did not start."), error);
        }
        process.setDeadline(until - QDateTime::currentMSecsSinceEpoch());
        while (process.isRunning()) {
            if (session->connect(pipe, &detail)) {
                process.setDeadline(0);
                return OfficeResult::success();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        if (QDateTime::currentMSecsSinceEpoch() >= until)
            break;
    }
    end();
    return failure(QStringLiteral("LibreOffice did not answer within %1 seconds.")
                       .arg(ConnectLimitMsecs / 1000),
                   detail);
}

void LibreOfficeSuite::Private::end() {
    for (auto it = documents.cbegin(); it != documents.cend(); ++it)
        lost.insert(it.key());
    documents.clear();
    if (session && process.isRunning()) {
        process.setDeadline(QuitGraceMsecs);
        session->terminateOffice();
    }
    session.reset();
    process.stop(QuitGraceMsecs);
}

OfficeResult LibreOfficeSuite::Private::checkDocument(OfficeDocument document, OfficeKind kind) {
    const auto found = documents.constFind(document.id);
    if (found == documents.cend()) {
        return failure(lost.contains(document.id)
                           ? QStringLiteral("LibreOffice ended unexpectedly; the document is lost.")
                           : QStringLiteral("The document is not open in LibreOffice."));
    }
    if (found->kind != kind)
        return failure(QStringLiteral("The document is not %1.").arg(kindName(kind)));
    return OfficeResult::success();
}

OfficeValue<OfficeDocument> LibreOfficeSuite::Private::adopt(quint64 id, OfficeKind kind,
                                                             const QString &sentence,
                                                             const QString &detail) {
    if (id == 0)
        return OfficeValue<OfficeDocument>::failure(failure(sentence, detail).error);
    documents.insert(++lastHandle, Open{id, kind});
    return OfficeValue<OfficeDocument>::success(OfficeDocument{lastHandle});
}

OfficeResult LibreOfficeSuite::Private::storeReplacing(OfficeDocument document, const QString &path,
                                                       const QString &filterName) {
    const QFileInfo target(absolute(path));
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        return failure(QStringLiteral("Cannot save %1: the folder %2 does not exist.")
                           .arg(target.filePath(), folder));
    }
    if (target.isDir())
        return failure(QStringLiteral("Cannot save %1: it is a folder.").arg(target.filePath()));

    // A hidden name beside the chosen one, so the rename stays within one file system.
    const QString temporary = QStringLiteral("%1/.%2.%3.part")
                                  .arg(folder, target.fileName())
                                  .arg(QRandomGenerator::global()->generate64(), 0, 16);
    QString detail;
    const bool stored = limited([&] {
        return session->store(documents.value(document.id).sessionId, fileUrl(temporary),
                              filterName, &detail);
    });
    if (!stored) {
        QFile::remove(temporary);
        if (!QFileInfo(folder).isWritable()) {
            return failure(
                QStringLiteral("Cannot save %1: the folder is read-only.").arg(target.filePath()),
                detail);
        }
        return failure(QStringLiteral("Cannot save %1: LibreOffice could not write it.")
                           .arg(target.filePath()),
                       detail);
    }
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(target.filePath()).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temporary);
        return failure(QStringLiteral("Cannot save %1: %2.").arg(target.filePath(), reason));
    }
    return OfficeResult::success();
}

LibreOfficeSuite::LibreOfficeSuite(const QString &profileFolder)
    : d(std::make_unique<Private>()) {
    d->profile = absolute(profileFolder);
    QDir().mkpath(d->profile);
}

LibreOfficeSuite::~LibreOfficeSuite() {
    d->end();
}

QString LibreOfficeSuite::officeFolder() {
    if (qEnvironmentVariableIsSet("UNO_PATH"))
        return qEnvironmentVariable("UNO_PATH");
    return QStringLiteral(QUORT_OFFICE_FOLDER);
}

bool LibreOfficeSuite::isAvailable() const {
    const QString folder = officeFolder();
    if (folder.isEmpty())
        return false;
    const QFileInfo program(QDir(folder).filePath(QStringLiteral("soffice.bin")));
    return program.isFile() && program.isExecutable();
}

OfficeResult LibreOfficeSuite::start() {
    return d->ensureRunning(isAvailable());
}

void LibreOfficeSuite::abort() {
    // The office's own thread kills it at once; the running call then fails, and the next
    // one starts a new office.
    d->process.kill();
}

qint64 LibreOfficeSuite::officeProcessId() const {
    return d->process.processId();
}

OfficeValue<OfficeDocument> LibreOfficeSuite::newTextDocument(const QString &templatePath) {
    if (const OfficeResult running = start(); !running)
        return OfficeValue<OfficeDocument>::failure(running.error);
    if (!templatePath.isEmpty() && !QFileInfo(templatePath).isFile()) {
        return OfficeValue<OfficeDocument>::failure(
            QStringLiteral("The template %1 does not exist.").arg(templatePath));
    }
    QString detail;
    const quint64 id = d->limited([&] {
        return d->session->newTextDocument(
            templatePath.isEmpty() ? QString() : fileUrl(templatePath), &detail);
    });
    return d->adopt(
        id, OfficeKind::Text,
        templatePath.isEmpty()
            ? QStringLiteral("LibreOffice could not make a new text document.")
            : QStringLiteral("LibreOffice could not open the template %1.").arg(templatePath),
        detail);
}

OfficeResult LibreOfficeSuite::insertHtml(OfficeDocument document, const QString &htmlPath) {
    if (const OfficeResult open = d->checkDocument(document, OfficeKind::Text); !open)
        return open;
    if (!QFileInfo(htmlPath).isFile())
        return failure(QStringLiteral("The page %1 does not exist.").arg(htmlPath));
    QString detail;
    if (!d->limited([&] {
            return d->session->insertHtml(d->documents.value(document.id).sessionId,
                                          fileUrl(htmlPath), &detail);
        }))
        return failure(QStringLiteral("LibreOffice could not put the page %1 into the document.")
                           .arg(htmlPath),
                       detail);
    return OfficeResult::success();
}

OfficeResult LibreOfficeSuite::exportPdf(OfficeDocument document, const QString &path) {
    if (const OfficeResult open = d->checkDocument(document, OfficeKind::Text); !open)
        return open;
    return d->storeReplacing(document, path, LibreOfficeFilters::pdf());
}

OfficeValue<OfficeDocument> LibreOfficeSuite::newWorkbookFromHtml(const QString &htmlPath) {
    if (const OfficeResult running = start(); !running)
        return OfficeValue<OfficeDocument>::failure(running.error);
    if (!QFileInfo(htmlPath).isFile()) {
        return OfficeValue<OfficeDocument>::failure(
            QStringLiteral("The page %1 does not exist.").arg(htmlPath));
    }
    QString detail;
    const quint64 id =
        d->limited([&] { return d->session->newWorkbookFromHtml(fileUrl(htmlPath), &detail); });
    return d->adopt(
        id, OfficeKind::Sheet,
        QStringLiteral("LibreOffice could not make a workbook of the tables of %1.").arg(htmlPath),
        detail);
}

OfficeValue<OfficeDocument> LibreOfficeSuite::openPresentation(const QString &path) {
    if (const OfficeResult running = start(); !running)
        return OfficeValue<OfficeDocument>::failure(running.error);
    if (!QFileInfo(path).isFile()) {
        return OfficeValue<OfficeDocument>::failure(
            QStringLiteral("The presentation %1 does not exist.").arg(path));
    }
    QString detail;
    const quint64 id =
        d->limited([&] { return d->session->openPresentation(fileUrl(path), &detail); });
    return d->adopt(id, OfficeKind::Slides,
                    QStringLiteral("LibreOffice could not open the presentation %1.").arg(path),
                    detail);
}

OfficeValue<OfficeDocument> LibreOfficeSuite::newPresentation() {
    if (const OfficeResult running = start(); !running)
        return OfficeValue<OfficeDocument>::failure(running.error);
    QString detail;
    const quint64 id = d->limited([&] { return d->session->newPresentation(&detail); });
    return d->adopt(id, OfficeKind::Slides,
                    QStringLiteral("LibreOffice could not make a new presentation."), detail);
}

OfficeValue<int> LibreOfficeSuite::addPictureSlide(OfficeDocument document,
                                                   const QString &imagePath) {
    if (const OfficeResult open = d->checkDocument(document, OfficeKind::Slides); !open)
        return OfficeValue<int>::failure(open.error);
    if (!QFileInfo(imagePath).isFile()) {
        return OfficeValue<int>::failure(
            QStringLiteral("The picture %1 does not exist.").arg(imagePath));
    }
    QString detail;
    const int slide = d->limited([&] {
        return d->session->addPictureSlide(d->documents.value(document.id).sessionId,
                                           fileUrl(imagePath), &detail);
    });
    if (slide <= 0) {
        return OfficeValue<int>::failure(
            failure(QStringLiteral("LibreOffice could not put the picture %1 on a slide.")
                        .arg(imagePath),
                    detail)
                .error);
    }
    return OfficeValue<int>::success(slide);
}

OfficeResult LibreOfficeSuite::save(OfficeDocument document, const QString &path,
                                    OfficeFormat format) {
    const auto found = d->documents.constFind(document.id);
    if (found != d->documents.cend() && found->kind != OfficeFormats::kind(format)) {
        return failure(QStringLiteral("Cannot save %1: %2 cannot be saved as %3.")
                           .arg(path, kindName(found->kind), OfficeFormats::displayName(format)));
    }
    if (const OfficeResult open = d->checkDocument(document, OfficeFormats::kind(format)); !open)
        return open;
    return d->storeReplacing(document, path, LibreOfficeFilters::of(format));
}

OfficeResult LibreOfficeSuite::close(OfficeDocument document) {
    if (d->lost.remove(document.id))
        return OfficeResult::success();
    if (!d->documents.contains(document.id))
        return failure(QStringLiteral("The document is not open in LibreOffice."));
    const quint64 sessionId = d->documents.take(document.id).sessionId;
    QString detail;
    if (!d->process.isRunning() ||
        !d->limited([&] { return d->session->close(sessionId, &detail); })) {
        return failure(QStringLiteral("LibreOffice could not close the document."), detail);
    }
    return OfficeResult::success();
}
