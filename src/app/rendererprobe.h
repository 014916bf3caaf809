#pragma once

#include "app/rendererchoice.h"

// Asks OpenGL once which renderer it runs on and sets Qt Quick's renderer accordingly.
// Call it after the application object is made and before the first web view.
namespace RendererProbe {

RendererChoice::Renderer applyChoice();

} // namespace RendererProbe
