#include "app/rendererchoice.h"

#include <QStringList>

namespace RendererChoice {

bool isSoftwareRasteriser(const QString &glRenderer) {
    // Mesa's rasterisers name themselves so ("llvmpipe (LLVM 15.0.6, 256 bits)",
    // "softpipe", "Software Rasterizer" of swrast).
    static const QStringList names{QStringLiteral("llvmpipe"), QStringLiteral("softpipe"),
                                   QStringLiteral("swrast"), QStringLiteral("software rasterizer")};
    for (const QString &name : names)
        if (glRenderer.contains(name, Qt::CaseInsensitive))
            return true;
    return false;
}

Renderer choose(const QString &quickBackendVariable, const QString &glRenderer) {
    if (!quickBackendVariable.isEmpty())
        return Renderer::UserChosen;
    // Without any OpenGL context the GPU path would draw nothing at all.
    return glRenderer.isEmpty() || isSoftwareRasteriser(glRenderer) ? Renderer::Software
                                                                    : Renderer::Gpu;
}

} // namespace RendererChoice
