#pragma once

#include "export/officeformats.h"

#include <QString>

// The names LibreOffice's export filters go by, which the office seam does not know.
namespace LibreOfficeFilters {
// The filter a format is stored with ("MS Word 97").
QString of(OfficeFormat format);
// The filter of a PDF export from a text document.
QString pdf();
} // namespace LibreOfficeFilters
