#include "browser/enginepagescripts.h"

namespace EnginePageScripts {

QString pageFacts() {
    return QStringLiteral("[document.contentType, document.characterSet,"
                          " document.documentElement ? document.documentElement.outerHTML : '']");
}

QString htmlWithInlineImages() {
    // The copy lives in a document of its own without a window, so nothing in it loads or
    // runs; the pictures are taken from the page's own, already loaded images. A picture
    // from another site taints the canvas and cannot be read back; it keeps its address.
    return QStringLiteral(R"JS((function () {
  var root = document.documentElement;
  if (!root) return '';
  var base = document.baseURI;
  function absolute(value) {
    try { return new URL(value, base).href; } catch (e) { return value; }
  }
  var inert = document.implementation.createHTMLDocument('');
  var copy = inert.importNode(root, true);
  var addressed = [['a', 'href'], ['area', 'href'], ['link', 'href'], ['img', 'src'],
                   ['script', 'src'], ['iframe', 'src'], ['frame', 'src'], ['embed', 'src'],
                   ['source', 'src'], ['input', 'src'], ['video', 'poster'],
                   ['form', 'action'], ['object', 'data']];
  addressed.forEach(function (pair) {
    copy.querySelectorAll(pair[0] + '[' + pair[1] + ']').forEach(function (element) {
      element.setAttribute(pair[1], absolute(element.getAttribute(pair[1])));
    });
  });
  var shown = root.getElementsByTagName('img');
  var copied = copy.getElementsByTagName('img');
  for (var i = 0; i < copied.length && i < shown.length; ++i) {
    var image = shown[i];
    var target = copied[i];
    if (image.currentSrc) target.setAttribute('src', image.currentSrc);
    target.removeAttribute('srcset');
    if (!image.complete || !image.naturalWidth) continue;
    try {
      var canvas = document.createElement('canvas');
      canvas.width = image.naturalWidth;
      canvas.height = image.naturalHeight;
      canvas.getContext('2d').drawImage(image, 0, 0);
      target.setAttribute('src', canvas.toDataURL('image/png'));
    } catch (e) {}
  }
  var head = copy.querySelector('head');
  if (!head) {
    head = inert.createElement('head');
    copy.insertBefore(head, copy.firstChild);
  }
  copy.querySelectorAll('meta').forEach(function (meta) {
    var equiv = (meta.getAttribute('http-equiv') || '').toLowerCase();
    if (meta.hasAttribute('charset') || equiv === 'content-type') meta.remove();
  });
  var charset = inert.createElement('meta');
  charset.setAttribute('charset', 'utf-8');
  head.insertBefore(charset, head.firstChild);
  return copy.outerHTML;
})())JS");
}

QString hasContent() {
    return QStringLiteral(R"JS((function () {
  var body = document.body;
  if (!body) return false;
  if ((body.innerText || '').trim().length > 0) return true;
  var images = body.getElementsByTagName('img');
  for (var i = 0; i < images.length; ++i) {
    if (images[i].complete && images[i].naturalWidth > 0) return true;
  }
  return false;
})())JS");
}

QString isolatedBridge(const QString &channelClient, const QString &bridgeName) {
    return QStringLiteral("(function () {\n"
                          "  if (typeof window.quortPost === 'function') return;\n") %
           channelClient % QStringLiteral(R"JS(
  var waiting = [];
  var bridge = null;
  window.quortPost = function (text) {
    text = String(text);
    if (bridge) bridge.post(text); else waiting.push(text);
  };
  if (typeof qt === 'undefined' || !qt.webChannelTransport) return;
  new QWebChannel(qt.webChannelTransport, function (channel) {
    bridge = channel.objects[)JS") %
           QStringLiteral("'") % bridgeName % QStringLiteral("'") % QStringLiteral(R"JS(];
    waiting.forEach(function (text) { bridge.post(text); });
    waiting = [];
  });
})();)JS");
}

} // namespace EnginePageScripts
