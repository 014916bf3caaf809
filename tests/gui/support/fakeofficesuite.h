#pragma once

#include "export/officesuite.h"

#include <QHash>
#include <QMutex>
#include <QStringList>

// An office suite for tests. It records every call in order, can be told to fail any call,
// and behaves like the real one where a caller could tell (officesuitecontract_test holds
// both to the same cases): files it is given must exist, handles must be open, a save's
// format must fit the document, and a successful save or export writes a text file at its
// path, "fake <format>" and then a line for each thing the document holds: "page: landscape"
// (blank), a template's lines (one this fake wrote), "text: <text>" and "image" (a page),
// "sheet: <cell>|<cell>" (a sheet), "picture: <image path>" (a slide). A failed call writes
// nothing. Safe to call from a worker thread while a test waits.
class FakeOfficeSuite : public OfficeSuite {
public:
    bool isAvailable() const override;
    OfficeResult start() override;
    void abort() override {
        QMutexLocker lock(&m_mutex);
        m_calls.append(QStringLiteral("abort"));
    }
    OfficeValue<OfficeDocument> newTextDocument(const QString &templatePath) override;
    OfficeResult insertHtml(OfficeDocument document, const QString &htmlPath) override;
    OfficeResult exportPdf(OfficeDocument document, const QString &path) override;
    OfficeValue<OfficeDocument> newWorkbookFromHtml(const QString &htmlPath) override;
    OfficeValue<OfficeDocument> openPresentation(const QString &path) override;
    OfficeValue<OfficeDocument> newPresentation() override;
    OfficeValue<int> addPictureSlide(OfficeDocument document, const QString &imagePath) override;
    OfficeResult save(OfficeDocument document, const QString &path, OfficeFormat format) override;
    OfficeResult close(OfficeDocument document) override;

    // Every call in order, one line each: the operation's name and its arguments,
    // "newTextDocument /p/Data/Template.Doc", "newTextDocument (blank)",
    // "insertHtml 1 /tmp/page.html", "save 1 /home/me/page.docx Word 2007", "close 1".
    QStringList calls() const;
    void clearCalls();

    // The nth call of operation (its name as in calls(), counted from 1 since the fake was
    // made) fails with error as its text, or "<operation> failed" when error is empty.
    void failOn(const QString &operation, int nthCall = 1, const QString &error = QString());
    // As if the suite were not installed: every call fails.
    void setAvailable(bool available);

    // Documents given out and not closed yet.
    int openDocumentCount() const;

private:
    struct Document {
        OfficeKind kind = OfficeKind::Text;
        QStringList content; // the placeholder file's lines after its first
    };

    // Records the call and answers a scripted or not-installed failure; empty when the call
    // may go on.
    QString begin(const QString &operation, const QStringList &arguments);
    OfficeDocument add(const Document &document);
    Document *find(OfficeDocument document);
    static QString missingDocument(OfficeDocument document);
    static QString placeholderError(const QString &path, const QString &reason);
    static QString writePlaceholder(const QString &path, const QString &header,
                                    const QStringList &content);

    mutable QMutex m_mutex;
    QStringList m_calls;
    QHash<QString, int> m_callCounts;
    QHash<QString, QHash<int, QString>> m_failures; // operation -> nth call -> error
    QHash<quint64, Document> m_documents;
    quint64 m_nextId = 1;
    bool m_available = true;
};
