#pragma once

#include "officeresult.h"

#include <utility>

// The outcome of an office call that gives something back (a document, a slide number):
// the value is meaningful only when the result is ok.
template <typename T> struct [[nodiscard]] OfficeValue {
    OfficeResult result;
    T value{};

    static OfficeValue success(T value) { return {OfficeResult::success(), std::move(value)}; }
    static OfficeValue failure(const QString &error) { return {OfficeResult::failure(error), T{}}; }
    bool ok() const { return result.ok; }
    const QString &error() const { return result.error; }
    explicit operator bool() const { return result.ok; }
};
