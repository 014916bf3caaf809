#include "unoslides.h"

#include <algorithm>
#include <com/sun/star/awt/Point.hpp>
#include <com/sun/star/awt/Size.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/drawing/XDrawPage.hpp>
#include <com/sun/star/drawing/XDrawPages.hpp>
#include <com/sun/star/drawing/XDrawPagesSupplier.hpp>
#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/graphic/GraphicProvider.hpp>
#include <com/sun/star/graphic/XGraphic.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/uno/RuntimeException.hpp>

using namespace css;
using rtl::OUString;

namespace {

// Impress's blank layout: no title or outline placeholders.
constexpr sal_Int16 BlankLayout = 20;

uno::Reference<graphic::XGraphic> loadPicture(const uno::Reference<uno::XComponentContext> &office,
                                              const OUString &imageUrl, awt::Size *pixels) {
    beans::PropertyValue url;
    url.Name = "URL";
    url.Value <<= imageUrl;
    const uno::Reference<graphic::XGraphic> picture =
        graphic::GraphicProvider::create(office)->queryGraphic(
            uno::Sequence<beans::PropertyValue>(&url, 1));
    if (!picture.is())
        throw uno::RuntimeException("the picture could not be read");
    uno::Reference<beans::XPropertySet>(picture, uno::UNO_QUERY_THROW)
        ->getPropertyValue("SizePixel") >>= *pixels;
    if (pixels->Width <= 0 || pixels->Height <= 0)
        throw uno::RuntimeException("the picture is empty");
    return picture;
}

// An empty slide: the blank layout and none of the shapes a layout brought.
void clear(const uno::Reference<drawing::XDrawPage> &slide) {
    uno::Reference<beans::XPropertySet>(slide, uno::UNO_QUERY_THROW)
        ->setPropertyValue("Layout", uno::Any(BlankLayout));
    while (slide->getCount() > 0)
        slide->remove(uno::Reference<drawing::XShape>(slide->getByIndex(0), uno::UNO_QUERY_THROW));
}

} // namespace

int UnoSlides::addPictureSlide(const uno::Reference<uno::XComponentContext> &office,
                               const uno::Reference<lang::XComponent> &presentation,
                               const OUString &imageUrl, bool useFirstSlide) {
    awt::Size pixels;
    const uno::Reference<graphic::XGraphic> picture = loadPicture(office, imageUrl, &pixels);

    const uno::Reference<drawing::XDrawPages> slides =
        uno::Reference<drawing::XDrawPagesSupplier>(presentation, uno::UNO_QUERY_THROW)
            ->getDrawPages();
    sal_Int32 index = 0;
    uno::Reference<drawing::XDrawPage> slide;
    if (useFirstSlide && slides->getCount() > 0) {
        slide.set(slides->getByIndex(0), uno::UNO_QUERY_THROW);
    } else {
        slide = slides->insertNewByIndex(slides->getCount() - 1);
        index = slides->getCount() - 1;
    }
    clear(slide);

    const uno::Reference<beans::XPropertySet> page(slide, uno::UNO_QUERY_THROW);
    sal_Int32 width = 0;
    sal_Int32 height = 0;
    page->getPropertyValue("Width") >>= width;
    page->getPropertyValue("Height") >>= height;
    const double scale = std::min(double(width) / pixels.Width, double(height) / pixels.Height);
    const awt::Size size(sal_Int32(pixels.Width * scale), sal_Int32(pixels.Height * scale));

    const uno::Reference<drawing::XShape> shape(
        uno::Reference<lang::XMultiServiceFactory>(presentation, uno::UNO_QUERY_THROW)
            ->createInstance("com.sun.star.drawing.GraphicObjectShape"),
        uno::UNO_QUERY_THROW);
    slide->add(shape);
    uno::Reference<beans::XPropertySet>(shape, uno::UNO_QUERY_THROW)
        ->setPropertyValue("Graphic", uno::Any(picture));
    shape->setSize(size);
    shape->setPosition(awt::Point((width - size.Width) / 2, (height - size.Height) / 2));
    return int(index) + 1;
}
