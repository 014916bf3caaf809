#pragma once

#include "translate/translationservice.h"

#include <functional>

// The web translation page: the answer is the page's address, carrying the text.
class WebPageTranslation : public TranslationService {
public:
    // host gives TRANSLATE_HOST as it is when a translation is asked for.
    explicit WebPageTranslation(std::function<QString()> host);

    void translate(const QString &text, const QString &from, const QString &to, Done done) override;

private:
    std::function<QString()> m_host;
};
