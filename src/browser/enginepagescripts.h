#pragma once

#include <QString>

// Scripts the engine view runs in its page. Each is one expression whose value comes back
// to the caller.
namespace EnginePageScripts {

// [content type, character set, markup of the root element].
QString pageFacts();
// The markup of a copy of the document with absolute addresses and images as data addresses.
QString htmlWithInlineImages();
// True when the body shows text or a loaded picture.
QString hasContent();

} // namespace EnginePageScripts
