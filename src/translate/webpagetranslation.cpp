#include "translate/webpagetranslation.h"

#include "translate/translationrequest.h"

#include <utility>

WebPageTranslation::WebPageTranslation(std::function<QString()> host)
    : m_host(std::move(host)) {}

void WebPageTranslation::translate(const QString &text, const QString &from, const QString &to,
                                   Done done) {
    const TranslationRequest request = TranslationRequest::build(m_host(), text, from, to);
    Translation answer;
    answer.pageAddress = request.address();
    answer.shortened = request.shortened();
    done(answer);
}
