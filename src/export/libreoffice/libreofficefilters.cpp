#include "libreofficefilters.h"

QString LibreOfficeFilters::of(OfficeFormat format) {
    switch (format) {
    case OfficeFormat::Word97:
        return QStringLiteral("MS Word 97");
    case OfficeFormat::Word2007:
        return QStringLiteral("MS Word 2007 XML");
    case OfficeFormat::OdfText:
        return QStringLiteral("writer8");
    case OfficeFormat::Excel97:
        return QStringLiteral("MS Excel 97");
    case OfficeFormat::Excel2007:
        return QStringLiteral("Calc MS Excel 2007 XML");
    case OfficeFormat::OdfSpreadsheet:
        return QStringLiteral("calc8");
    case OfficeFormat::PowerPoint97:
        return QStringLiteral("MS PowerPoint 97");
    case OfficeFormat::PowerPoint2007:
        return QStringLiteral("Impress MS PowerPoint 2007 XML");
    case OfficeFormat::OdfPresentation:
        return QStringLiteral("impress8");
    }
    return QString();
}

QString LibreOfficeFilters::pdf() {
    return QStringLiteral("writer_pdf_Export");
}
