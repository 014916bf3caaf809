#include "translate/selectionreader.h"

#include "browser/enginewebview.h"

#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace SelectionReader {

void read(WebView *view, std::function<void(const QString &text)> done) {
    auto *engine = qobject_cast<EngineWebView *>(view);
    QWebEnginePage *page = engine && engine->engineView() ? engine->engineView()->page() : nullptr;
    if (!page) {
        done(view->selectedText());
        return;
    }
    // The page answers after the input sent before the question, while the engine's own
    // copy of the selection may lag behind; that copy serves where the script sees none
    // (a selection in a frame or a text field).
    QPointer<WebView> alive(view);
    page->runJavaScript(QStringLiteral("window.getSelection ? String(window.getSelection()) : ''"),
                        [alive, done](const QVariant &result) {
                            if (!alive)
                                return;
                            const QString text = result.toString();
                            done(text.isEmpty() ? alive->selectedText() : text);
                        });
}

} // namespace SelectionReader
