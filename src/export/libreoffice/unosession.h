#pragma once

#include <QString>
#include <QtGlobal>

// What the UNO plugin offers the suite: one connection to one running office and the
// documents opened through it. Plain Qt types only, so the program needs no UNO header and
// no UNO library to start. Addresses are file URLs. A document is a number the session
// gave, 0 for none; a failure gives 0 or false and sets detail to what the office said,
// for the log (the suite words the user's sentence). No call lets an exception out.
class UnoSession {
public:
    virtual ~UnoSession() = default;

    // One attempt to reach the office listening on the pipe; fails while it is starting.
    virtual bool connect(const QString &pipeName, QString *detail) = 0;
    // Asks the office to quit; its documents are dead afterwards.
    virtual void terminateOffice() = 0;

    // From a template, loaded as a template so the file is never written, or for an empty
    // address a blank document in landscape.
    virtual quint64 newTextDocument(const QString &templateUrl, QString *detail) = 0;
    virtual bool insertHtml(quint64 document, const QString &htmlUrl, QString *detail) = 0;
    virtual quint64 newWorkbookFromHtml(const QString &htmlUrl, QString *detail) = 0;
    virtual quint64 openPresentation(const QString &url, QString *detail) = 0;
    virtual quint64 newPresentation(QString *detail) = 0;
    // The new slide's number counted from 1, or 0.
    virtual int addPictureSlide(quint64 document, const QString &imageUrl, QString *detail) = 0;
    // Writes a copy of the document; the document keeps its own location.
    virtual bool store(quint64 document, const QString &url, const QString &filterName,
                       QString *detail) = 0;
    virtual bool close(quint64 document, QString *detail) = 0;
};

// The one function the plugin exports: a new session, owned by the caller.
extern "C" {
using CreateUnoSession = UnoSession *(*)();
}
#define QUORT_UNO_ENTRY "quorttrans_createUnoSession"
