#pragma once

#include <QString>

// Which renderer Qt Quick (and with it the web engine) composes the window with. Where
// OpenGL is only a software rasteriser (virtual machines, remote desktops, thin clients),
// composing every flush through it stalls the window for tens of milliseconds; Qt Quick's
// own software renderer is then both faster and leaner. A GPU is left alone.
namespace RendererChoice {

enum class Renderer {
    UserChosen, // QT_QUICK_BACKEND is set: the user's word wins
    Gpu,
    Software,
};

// glRenderer: the OpenGL renderer string, empty when no OpenGL context could be made.
Renderer choose(const QString &quickBackendVariable, const QString &glRenderer);

// Whether an OpenGL renderer string names a rasteriser that runs on the processor.
bool isSoftwareRasteriser(const QString &glRenderer);

} // namespace RendererChoice
