#include "officeformats.h"

#include <algorithm>
#include <array>

namespace {

const std::array<OfficeFormat, 9> AllFormats{
    OfficeFormat::Word97,       OfficeFormat::Word2007,       OfficeFormat::OdfText,
    OfficeFormat::Excel97,      OfficeFormat::Excel2007,      OfficeFormat::OdfSpreadsheet,
    OfficeFormat::PowerPoint97, OfficeFormat::PowerPoint2007, OfficeFormat::OdfPresentation,
};

// The last dot-separated part of the name's last path part; none for "page" or "page.".
QString suffixOf(const QString &fileName) {
    const qsizetype slash =
        std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
    const QString name = fileName.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

} // namespace

OfficeFormat OfficeFormats::fromFileName(const QString &fileName, OfficeKind kind) {
    const QString suffix = suffixOf(fileName).trimmed();
    if (!suffix.isEmpty()) {
        for (OfficeFormat format : AllFormats) {
            if (OfficeFormats::kind(format) == kind &&
                suffix.compare(extension(format), Qt::CaseInsensitive) == 0)
                return format;
        }
    }
    return defaultFormat(kind);
}

OfficeFormat OfficeFormats::defaultFormat(OfficeKind kind) {
    switch (kind) {
    case OfficeKind::Text:
        return OfficeFormat::Word97;
    case OfficeKind::Sheet:
        return OfficeFormat::Excel97;
    case OfficeKind::Slides:
        return OfficeFormat::PowerPoint97;
    }
    return OfficeFormat::Word97;
}

OfficeKind OfficeFormats::kind(OfficeFormat format) {
    switch (format) {
    case OfficeFormat::Word97:
    case OfficeFormat::Word2007:
    case OfficeFormat::OdfText:
        return OfficeKind::Text;
    case OfficeFormat::Excel97:
    case OfficeFormat::Excel2007:
    case OfficeFormat::OdfSpreadsheet:
        return OfficeKind::Sheet;
    case OfficeFormat::PowerPoint97:
    case OfficeFormat::PowerPoint2007:
    case OfficeFormat::OdfPresentation:
        return OfficeKind::Slides;
    }
    return OfficeKind::Text;
}

QString OfficeFormats::extension(OfficeFormat format) {
    switch (format) {
    case OfficeFormat::Word97:
        return QStringLiteral("doc");
    case OfficeFormat::Word2007:
        return QStringLiteral("docx");
    case OfficeFormat::OdfText:
        return QStringLiteral("odt");
    case OfficeFormat::Excel97:
        return QStringLiteral("xls");
    case OfficeFormat::Excel2007:
        return QStringLiteral("xlsx");
    case OfficeFormat::OdfSpreadsheet:
        return QStringLiteral("ods");
    case OfficeFormat::PowerPoint97:
        return QStringLiteral("ppt");
    case OfficeFormat::PowerPoint2007:
        return QStringLiteral("pptx");
    case OfficeFormat::OdfPresentation:
        return QStringLiteral("odp");
    }
    return QString();
}

QString OfficeFormats::displayName(OfficeFormat format) {
    switch (format) {
    case OfficeFormat::Word97:
        return QStringLiteral("Word 97");
    case OfficeFormat::Word2007:
        return QStringLiteral("Word 2007");
    case OfficeFormat::OdfText:
        return QStringLiteral("ODF text");
    case OfficeFormat::Excel97:
        return QStringLiteral("Excel 97");
    case OfficeFormat::Excel2007:
        return QStringLiteral("Excel 2007");
    case OfficeFormat::OdfSpreadsheet:
        return QStringLiteral("ODF spreadsheet");
    case OfficeFormat::PowerPoint97:
        return QStringLiteral("PowerPoint 97");
    case OfficeFormat::PowerPoint2007:
        return QStringLiteral("PowerPoint 2007");
    case OfficeFormat::OdfPresentation:
        return QStringLiteral("ODF presentation");
    }
    return QString();
}
