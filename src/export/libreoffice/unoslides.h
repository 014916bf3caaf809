#pragma once

#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

// Impress documents: a slide holding one picture.
class UnoSlides {
public:
    // Puts the picture at imageUrl on a new blank slide after the last one, or on the first
    // slide when useFirstSlide (a new presentation's own), as large as the slide allows with
    // its proportions kept, centred. Gives the slide's number counted from 1.
    static int addPictureSlide(const css::uno::Reference<css::uno::XComponentContext> &office,
                               const css::uno::Reference<css::lang::XComponent> &presentation,
                               const rtl::OUString &imageUrl, bool useFirstSlide);
};
