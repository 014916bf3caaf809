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

// RENDERER= of the language file: auto (ask OpenGL), gpu or software. Anything else,
// and a missing line, counts as auto.
enum class Setting { Auto, Gpu, Software };
Setting parseSetting(const QString &value);

struct Choice {
    Renderer renderer = Renderer::Gpu;
    // Which renderer and why, as the about window shows it: a technical line such as
    // "software (no GPU: llvmpipe)".
    QString reason;
};

// userVariable: "QT_QUICK_BACKEND=software" as the user's environment gives it, empty when
// unset. Only auto without the user's word needs the OpenGL renderer string.
bool needsOpenGl(const QString &userVariable, Setting setting);

// glRenderer: the OpenGL renderer string, empty when no OpenGL context could be made.
Choice choose(const QString &userVariable, Setting setting, const QString &glRenderer);

// Whether an OpenGL renderer string names a rasteriser that runs on the processor.
bool isSoftwareRasteriser(const QString &glRenderer);

} // namespace RendererChoice
