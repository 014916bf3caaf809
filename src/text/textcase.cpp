#include "textcase.h"

namespace TextCase {

QString proper(const QString &text) {
    QString result = text.toLower();
    bool wordStart = true;
    for (QChar &c : result) {
        if (c.isSpace()) {
            wordStart = true;
            continue;
        }
        if (wordStart)
            c = c.toUpper();
        wordStart = false;
    }
    return result;
}

} // namespace TextCase
