#pragma once

#include <com/sun/star/lang/XComponent.hpp>

// Writer documents: the page format of a blank one, and HTML put at the end of one.
class UnoText {
public:
    // Turns the page style of the document's first page to landscape.
    static void makeLandscape(const css::uno::Reference<css::lang::XComponent> &document);
    // Imports the HTML file at htmlUrl with its pictures after what the document holds.
    static void appendHtml(const css::uno::Reference<css::lang::XComponent> &document,
                           const rtl::OUString &htmlUrl);
};
