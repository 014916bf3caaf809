#pragma once

#include <QString>
#include <functional>

class WebView;

// Reads a page's selected text once the page has taken in the input given before the
// call: a button's release may still be on its way to the page when the program sees it.
namespace SelectionReader {

// done runs once, at once or later on this thread; not at all when the view is gone.
void read(WebView *view, std::function<void(const QString &text)> done);

} // namespace SelectionReader
