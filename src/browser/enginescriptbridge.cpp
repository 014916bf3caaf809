#include "browser/enginescriptbridge.h"

void EngineScriptBridge::post(const QString &text) {
    if (text.size() <= MaxTextChars)
        Q_EMIT posted(text);
}
