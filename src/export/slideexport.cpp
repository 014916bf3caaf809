#include "export/slideexport.h"

#include "export/officesuite.h"

#include <QFileInfo>

OfficeValue<int> SlideExport::run(OfficeSuite &suite) const {
    const OfficeValue<OfficeDocument> presentation =
        QFileInfo::exists(target) ? suite.openPresentation(target) : suite.newPresentation();
    if (!presentation)
        return OfficeValue<int>::failure(presentation.error());
    OfficeValue<int> slide = suite.addPictureSlide(presentation.value, picturePath);
    if (slide) {
        const OfficeResult saved = suite.save(
            presentation.value, target, OfficeFormats::fromFileName(target, OfficeKind::Slides));
        if (!saved)
            slide = OfficeValue<int>::failure(saved.error);
    }
    static_cast<void>(suite.close(presentation.value));
    return slide;
}
