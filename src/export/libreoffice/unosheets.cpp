#include "unosheets.h"

#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/sheet/XSpreadsheets2.hpp>
#include <com/sun/star/uno/RuntimeException.hpp>

using namespace css;
using rtl::OUString;

void UnoSheets::importFirstSheet(const uno::Reference<lang::XComponent> &source,
                                 const uno::Reference<lang::XComponent> &target) {
    const uno::Reference<sheet::XSpreadsheetDocument> from(source, uno::UNO_QUERY_THROW);
    const uno::Sequence<OUString> names = from->getSheets()->getElementNames();
    if (!names.hasElements())
        throw uno::RuntimeException("the page has no tables");
    const uno::Reference<sheet::XSpreadsheets2> sheets(
        uno::Reference<sheet::XSpreadsheetDocument>(target, uno::UNO_QUERY_THROW)->getSheets(),
        uno::UNO_QUERY_THROW);
    sheets->importSheet(from, names[0], 0);
}
