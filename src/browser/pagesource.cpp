#include "pagesource.h"

#include "text/programfolder.h"
#include "text/textfile.h"
#include "webview.h"

#include <QFile>
#include <QPointer>

namespace PageSource {

void writePageSource(WebView &view, const ProgramFolder &folder,
                     std::function<void(const QString &path)> show) {
    const QString root = folder.root();
    view.requestPageSource([root, show](const QString &source) {
        if (source.isEmpty())
            return;
        const ProgramFolder programFolder(root);
        const QString old = programFolder.path(QStringLiteral("doc.txt"));
        if (QFile::exists(old) && !QFile::remove(old))
            return;
        // The source as the page has it, with no line end added.
        const QString path = programFolder.path(QStringLiteral("Doc.Txt"));
        if (TextFile::writeText(path, source))
            show(path);
    });
}

} // namespace PageSource
