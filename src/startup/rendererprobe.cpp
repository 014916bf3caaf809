#include "startup/rendererprobe.h"

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

RendererChoice::Choice RendererProbe::applyChoice(const QString &setting) {
    QString userVariable;
    // QMLSCENE_DEVICE is Qt's older name for it.
    for (const char *name : {"QT_QUICK_BACKEND", "QMLSCENE_DEVICE"}) {
        if (const QString value = qEnvironmentVariable(name); !value.isEmpty()) {
            userVariable = QLatin1String(name) + u'=' + value;
            break;
        }
    }
    const RendererChoice::Setting chosen = RendererChoice::parseSetting(setting);
    // A GPU or software setting costs no OpenGL context at all.
    const RendererChoice::Choice choice = RendererChoice::choose(
        userVariable, chosen,
        RendererChoice::needsOpenGl(userVariable, chosen) ? openGlRendererName() : QString());
    if (choice.renderer == RendererChoice::Renderer::Software)
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    return choice;
}
