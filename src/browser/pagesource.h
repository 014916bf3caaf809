#pragma once

#include <QString>
#include <functional>

class ProgramFolder;
class WebView;

namespace PageSource {

// `writePageSource`: writes the page's source to Doc.Txt in the program folder, replacing an
// older doc.txt of any spelling, and hands the file's path to show. A page without a
// document, or a file that cannot be written, ends it without showing anything.
void writePageSource(WebView &view, const ProgramFolder &folder,
                     std::function<void(const QString &path)> show);

} // namespace PageSource
