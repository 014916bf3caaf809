#include "export/wordexport.h"

#include "export/officesuite.h"

#include <QDir>
#include <QFileInfo>

QString WordExport::wordCopyOf(const QString &pdfPath) {
    const QFileInfo info(pdfPath);
    const QString name = info.fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    // A leading dot is a hidden name, not an extension (".pdf" alone gives ".doc" anyway).
    const QString stem = dot > 0 ? name.left(dot) : (dot == 0 ? QString() : name);
    return info.dir().filePath(stem + QStringLiteral(".doc"));
}

OfficeResult WordExport::run(OfficeSuite &suite) const {
    const OfficeValue<OfficeDocument> document = suite.newTextDocument(templatePath);
    if (!document)
        return document.result;
    OfficeResult result = suite.insertHtml(document.value, htmlPath);
    if (result && pdf) {
        result = suite.save(document.value, wordCopyOf(target), OfficeFormat::Word97);
        if (result)
            result = suite.exportPdf(document.value, target);
    } else if (result) {
        result = suite.save(document.value, target,
                            OfficeFormats::fromFileName(target, OfficeKind::Text));
    }
    // The document goes whatever happened. A file already written is good even when the
    // office then fails to close the document, so the close decides nothing.
    static_cast<void>(suite.close(document.value));
    return result;
}
