#pragma once

#include "translate/translationservice.h"

#include <QObject>
#include <functional>
#include <memory>

class LocalPairs;

// Translates on this computer with Apertium when the pair from the source language into
// the target is installed and TRANSLATOR allows it, and through the web translation page
// otherwise. With TRANSLATOR=local nothing is ever sent: a missing pair or a failed
// Apertium is answered as a failure. With auto a failed Apertium gives way to the web.
class ChoosingTranslation : public QObject, public TranslationService {
    Q_OBJECT

public:
    // setting gives TRANSLATOR as it is when a translation is asked for.
    ChoosingTranslation(std::function<QString()> setting, LocalPairs &pairs,
                        std::unique_ptr<TranslationService> web, QObject *parent = nullptr);
    ~ChoosingTranslation() override;

    // Tests shorten the time Apertium may take.
    void setTimeLimit(int milliseconds) { m_limitMs = milliseconds; }

    void translate(const QString &text, const QString &from, const QString &to, Done done) override;

private:
    void choose(const QString &text, const QString &from, const QString &to, const Done &done);

    std::function<QString()> m_setting;
    LocalPairs &m_pairs;
    std::unique_ptr<TranslationService> m_web;
    int m_limitMs;
};
