#include "startup/rendererchoice.h"

#include <QStringList>

namespace RendererChoice {

Setting parseSetting(const QString &value) {
    const QString word = value.trimmed();
    if (word.compare(QLatin1String("gpu"), Qt::CaseInsensitive) == 0)
        return Setting::Gpu;
    if (word.compare(QLatin1String("software"), Qt::CaseInsensitive) == 0)
        return Setting::Software;
    return Setting::Auto;
}

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

bool needsOpenGl(const QString &userVariable, Setting setting) {
    return userVariable.isEmpty() && setting == Setting::Auto;
}

Choice choose(const QString &userVariable, Setting setting, const QString &glRenderer) {
    if (!userVariable.isEmpty())
        return {Renderer::UserChosen, QStringLiteral("chosen by ") + userVariable};
    if (setting == Setting::Gpu)
        return {Renderer::Gpu, QStringLiteral("GPU (RENDERER=gpu)")};
    if (setting == Setting::Software)
        return {Renderer::Software, QStringLiteral("software (RENDERER=software)")};
    // Without any OpenGL context the GPU path would draw nothing at all.
    if (glRenderer.isEmpty())
        return {Renderer::Software, QStringLiteral("software (no OpenGL)")};
    if (isSoftwareRasteriser(glRenderer))
        return {Renderer::Software, QStringLiteral("software (no GPU: ") + glRenderer + u')'};
    return {Renderer::Gpu, QStringLiteral("GPU (") + glRenderer + u')'};
}

} // namespace RendererChoice
