#pragma once

#include "startup/rendererchoice.h"

// Chooses Qt Quick's renderer: the user's QT_QUICK_BACKEND (or QMLSCENE_DEVICE) first,
// then the language file's RENDERER setting, and for auto the OpenGL renderer, asked once.
// Call it after the application object is made and before the first web view.
namespace RendererProbe {

RendererChoice::Choice applyChoice(const QString &setting);

} // namespace RendererProbe
