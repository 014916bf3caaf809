#pragma once

#include <QObject>
#include <QString>
#include <functional>

// The language of a page, from its visible text by the Compact Language Detector 2, with
// the page's lang attribute as a hint. Text of fewer than MinWords words, or a language CLD2
// does not call reliable at MinPercent of the text or more, is unknown: "". A known language
// is its ISO 639-1 code ("es"), or CLD2's code where the language has none.
class LanguageDetector : public QObject {
    Q_OBJECT

public:
    static constexpr int MinWords = 30;
    static constexpr int MinPercent = 60;
    // More says no more about a page's language, and costs the worker time.
    static constexpr int MaxTextBytes = 64 * 1024;

    using QObject::QObject;

    // Detects on this thread.
    static QString detectNow(const QString &text, const QString &langAttribute);
    // Detects on a worker thread; done runs later on this object's thread, and not at all
    // when this object is gone by then.
    void detect(const QString &text, const QString &langAttribute,
                std::function<void(const QString &code)> done);
};
