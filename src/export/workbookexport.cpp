#include "export/workbookexport.h"

#include "export/officesuite.h"

OfficeResult WorkbookExport::run(OfficeSuite &suite) const {
    const OfficeValue<OfficeDocument> workbook = suite.newWorkbookFromHtml(htmlPath);
    if (!workbook)
        return workbook.result;
    const OfficeResult saved =
        suite.save(workbook.value, target, OfficeFormats::fromFileName(target, OfficeKind::Sheet));
    // A written file is good whatever the close says.
    static_cast<void>(suite.close(workbook.value));
    return saved;
}
