#pragma once

#include <QString>

// What an office document is: a text document, a workbook or a presentation.
enum class OfficeKind { Text, Sheet, Slides };

// The file formats the exports save in. The Office 97 formats come first in each kind:
// they are what a name without a known extension is saved as, because the program always
// wrote them.
enum class OfficeFormat {
    Word97,
    Word2007,
    OdfText,
    Excel97,
    Excel2007,
    OdfSpreadsheet,
    PowerPoint97,
    PowerPoint2007,
    OdfPresentation,
};

// The formats' file extensions and their names in logs.
class OfficeFormats {
public:
    // The format a user's file name asks for within one kind: its extension, in any letter
    // case, picks the format ("PAGE.DOCX" is Word 2007). A name without an extension, or
    // with one of another kind or none the suite knows, gets the kind's default.
    static OfficeFormat fromFileName(const QString &fileName, OfficeKind kind);

    static OfficeFormat defaultFormat(OfficeKind kind);
    static OfficeKind kind(OfficeFormat format);
    // In lower case, without the dot: "doc", "xlsx", "odp".
    static QString extension(OfficeFormat format);
    // For logs and test records, not for the user (whose texts come from the language
    // file): "Word 97", "Excel 2007", "ODF presentation".
    static QString displayName(OfficeFormat format);
};
