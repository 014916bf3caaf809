#include "app/rendererprobe.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <memory>

namespace {

QString openGlRendererName() {
    // The web engine has the application make this context anyway (shared contexts), so
    // asking it costs no driver load of its own.
    QOpenGLContext *context = QOpenGLContext::globalShareContext();
    std::unique_ptr<QOpenGLContext> own;
    if (!context) {
        own = std::make_unique<QOpenGLContext>();
        if (!own->create())
            return {};
        context = own.get();
    }
    QOffscreenSurface surface;
    surface.setFormat(context->format());
    surface.create();
    if (!surface.isValid() || !context->makeCurrent(&surface))
        return {};
    const auto *name =
        reinterpret_cast<const char *>(context->functions()->glGetString(GL_RENDERER));
    const QString renderer = name ? QString::fromLatin1(name) : QString();
    context->doneCurrent();
    return renderer;
}

} // namespace

RendererChoice::Renderer RendererProbe::applyChoice() {
    QString userChoice = qEnvironmentVariable("QT_QUICK_BACKEND");
    if (userChoice.isEmpty())
        userChoice = qEnvironmentVariable("QMLSCENE_DEVICE"); // Qt's older name for it
    const RendererChoice::Renderer choice =
        RendererChoice::choose(userChoice, userChoice.isEmpty() ? openGlRendererName() : QString());
    if (choice == RendererChoice::Renderer::Software)
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    return choice;
}
