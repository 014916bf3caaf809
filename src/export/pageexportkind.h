#pragma once

// What a page command makes of the page. The command table's rows name these through their
// actions; the exports never see a command's key.
enum class PageExportKind {
    Picture,       // a numbered picture in Images/
    WebArchive,    // a web archive where the user says
    WordLandscape, // the office suite's Word document on its landscape template
    WordPortrait,  // the same on the portrait template
    Pdf,           // a PDF, with its Word copy beside it
    Workbook,      // the page's tables as a workbook
    Slide,         // the page's picture on a slide at the end of a presentation
};
