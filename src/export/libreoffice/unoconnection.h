#pragma once

#include "unosession.h"

#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <map>

// The session over UNO: a bridge to the office's component context and the documents
// loaded through it. Lives in the plugin, the only code that sees UNO headers.
class UnoConnection : public UnoSession {
public:
    ~UnoConnection() override;

    bool connect(const QString &pipeName, QString *detail) override;
    void terminateOffice() override;
    quint64 newTextDocument(const QString &templateUrl, QString *detail) override;
    bool insertHtml(quint64 document, const QString &htmlUrl, QString *detail) override;
    quint64 newWorkbookFromHtml(const QString &htmlUrl, QString *detail) override;
    quint64 openPresentation(const QString &url, QString *detail) override;
    quint64 newPresentation(QString *detail) override;
    int addPictureSlide(quint64 document, const QString &imageUrl, QString *detail) override;
    bool store(quint64 document, const QString &url, const QString &filterName,
               QString *detail) override;
    bool close(quint64 document, QString *detail) override;

private:
    using Component = css::uno::Reference<css::lang::XComponent>;
    struct Document {
        Component component;
        // A new presentation comes with one slide; the first picture goes on it.
        bool unusedFirstSlide = false;
    };

    // Hidden, so no window opens; the office's own properties follow.
    Component load(const QString &url, bool asTemplate, const QString &filterName = QString());
    // A workbook with no frame and no view: nothing of it is ever drawn. The headless
    // office sometimes aborts while drawing the cell selection of a hidden workbook's view.
    // From htmlUrl when given, blank otherwise.
    Component workbookWithoutView(const QString &htmlUrl = QString());
    quint64 keep(const Component &component, bool unusedFirstSlide = false);
    // The open document with that number; throws when there is none.
    Document &document(quint64 id);

    css::uno::Reference<css::uno::XComponentContext> m_office;
    std::map<quint64, Document> m_documents;
    quint64 m_lastId = 0;
};
