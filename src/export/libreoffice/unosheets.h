#pragma once

#include <com/sun/star/lang/XComponent.hpp>

// Calc documents: a sheet copied from one workbook into another.
class UnoSheets {
public:
    // Copies the first sheet of source in front of the sheets of target.
    static void importFirstSheet(const css::uno::Reference<css::lang::XComponent> &source,
                                 const css::uno::Reference<css::lang::XComponent> &target);
};
