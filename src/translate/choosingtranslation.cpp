#include "translate/choosingtranslation.h"

#include "translate/apertiumrun.h"
#include "translate/localpairs.h"
#include "translate/translationrequest.h"
#include "translate/translatorchoice.h"

#include <QPointer>
#include <utility>

ChoosingTranslation::ChoosingTranslation(std::function<QString()> setting, LocalPairs &pairs,
                                         std::unique_ptr<TranslationService> web, QObject *parent)
    : QObject(parent)
    , m_setting(std::move(setting))
    , m_pairs(pairs)
    , m_web(std::move(web))
    , m_limitMs(ApertiumRun::DefaultLimitMs) {}

ChoosingTranslation::~ChoosingTranslation() = default;

void ChoosingTranslation::translate(const QString &text, const QString &from, const QString &to,
                                    Done done) {
    if (TranslatorChoice::parseSetting(m_setting()) == TranslatorChoice::Setting::Web) {
        m_web->translate(text, from, to, std::move(done));
        return;
    }
    QPointer<ChoosingTranslation> self(this);
    m_pairs.whenKnown([self, text, from, to, done = std::move(done)] {
        if (self)
            self->choose(text, from, to, done);
    });
}

void ChoosingTranslation::choose(const QString &text, const QString &from, const QString &to,
                                 const Done &done) {
    const TranslatorChoice::Setting setting = TranslatorChoice::parseSetting(m_setting());
    // The web page takes English when `MyLanguage` was never chosen; so does Apertium.
    const QString target = to.isEmpty() ? TranslationRequest::defaultMyLanguage() : to;
    const QString mode = TranslatorChoice::modeFor(m_pairs.modes(), from, target);
    Translation answer;
    answer.source = text;
    answer.from = from;
    answer.to = target;
    switch (TranslatorChoice::choose(setting, mode)) {
    case TranslatorChoice::Path::Web:
        m_web->translate(text, from, to, done);
        return;
    case TranslatorChoice::Path::None:
        answer.failed = true;
        done(answer);
        return;
    case TranslatorChoice::Path::Local:
        break;
    }

    QPointer<ChoosingTranslation> self(this);
    const QString program = m_pairs.program();
    const int limitSeconds = (m_limitMs + 999) / 1000;
    ApertiumRun::start(
        program, mode, text, m_limitMs,
        [self, setting, answer, mode, program, limitSeconds,
         done](ApertiumRun::Outcome outcome, const QString &translated) mutable {
            if (!self)
                return;
            if (outcome == ApertiumRun::Outcome::Translated) {
                answer.local = true;
                answer.text = translated;
                done(answer);
                return;
            }
            if (setting == TranslatorChoice::Setting::Auto &&
                outcome != ApertiumRun::Outcome::TimedOut) {
                self->m_web->translate(answer.source, answer.from, answer.to, done);
                return;
            }
            answer.failed = true;
            answer.detail = program;
            if (outcome != ApertiumRun::Outcome::NotStarted)
                answer.detail += QLatin1Char(' ') + mode;
            if (outcome == ApertiumRun::Outcome::TimedOut)
                answer.detail += QStringLiteral(", %1 s").arg(limitSeconds);
            done(answer);
        },
        this);
}
