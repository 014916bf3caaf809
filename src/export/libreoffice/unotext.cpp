#include "unotext.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/document/XDocumentInsertable.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/text/XTextDocument.hpp>

using namespace css;
using rtl::OUString;

void UnoText::makeLandscape(const uno::Reference<lang::XComponent> &document) {
    const uno::Reference<text::XText> text =
        uno::Reference<text::XTextDocument>(document, uno::UNO_QUERY_THROW)->getText();
    const uno::Reference<beans::XPropertySet> start(text->createTextCursor(), uno::UNO_QUERY_THROW);
    OUString styleName;
    start->getPropertyValue("PageStyleName") >>= styleName;

    const uno::Reference<container::XNameAccess> pageStyles(
        uno::Reference<style::XStyleFamiliesSupplier>(document, uno::UNO_QUERY_THROW)
            ->getStyleFamilies()
            ->getByName("PageStyles"),
        uno::UNO_QUERY_THROW);
    const uno::Reference<beans::XPropertySet> style(pageStyles->getByName(styleName),
                                                    uno::UNO_QUERY_THROW);
    sal_Int32 width = 0;
    sal_Int32 height = 0;
    style->getPropertyValue("Width") >>= width;
    style->getPropertyValue("Height") >>= height;
    style->setPropertyValue("IsLandscape", uno::Any(true));
    if (width < height) {
        style->setPropertyValue("Width", uno::Any(height));
        style->setPropertyValue("Height", uno::Any(width));
    }
}

void UnoText::appendHtml(const uno::Reference<lang::XComponent> &document,
                         const OUString &htmlUrl) {
    const uno::Reference<text::XText> text =
        uno::Reference<text::XTextDocument>(document, uno::UNO_QUERY_THROW)->getText();
    const uno::Reference<text::XTextCursor> end = text->createTextCursor();
    end->gotoEnd(false);
    beans::PropertyValue filter;
    filter.Name = "FilterName";
    filter.Value <<= OUString("HTML (StarWriter)");
    uno::Reference<document::XDocumentInsertable>(end, uno::UNO_QUERY_THROW)
        ->insertDocumentFromURL(htmlUrl, uno::Sequence<beans::PropertyValue>(&filter, 1));
}
