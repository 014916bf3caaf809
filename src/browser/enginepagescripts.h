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
// Defines quortPost(text) in the world it runs in, once per document: the web channel's
// client (channelClient, Qt's qwebchannel.js) connects to the object named bridgeName, and
// texts posted before the channel is ready are sent when it is.
QString isolatedBridge(const QString &channelClient, const QString &bridgeName);

} // namespace EnginePageScripts
