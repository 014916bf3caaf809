#pragma once

#include <QObject>
#include <QString>

// Translates a page's text blocks one after another. A block is an inline HTML fragment:
// text with &amp; &lt; &gt; &quot; escaped, and the block's inline elements as numbered
// placeholder tags <x1>...</x1>, <x2/> (no attributes). A translation comes back in the same
// form, every placeholder kept (Apertium may move them).
class BlockTranslator : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Queues a block; translated() or failed() answers it later, in the order asked.
    virtual void translate(quint64 id, const QString &fragment) = 0;
    // Forgets every queued block (the page went away or the user chose the original).
    virtual void cancelAll() = 0;

Q_SIGNALS:
    void translated(quint64 id, const QString &fragment);
    // The translator cannot go on (the pair died, a block timed out); reason in words.
    void failed(quint64 id, const QString &reason);
};
