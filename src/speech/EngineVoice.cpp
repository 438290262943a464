#include "EngineVoice.h"

#include "OpenEngine.h"

#include <QTextToSpeech>

#include <algorithm>

namespace {

// Long enough for speech-dispatcher to be started for the session (2 s on an idle 2-core machine,
// 4 s on a busy one); a service that never answers delays only the first word, said by the next
// engine.
constexpr std::chrono::seconds Patience{8};

// The engine's voice for `wanted`: that very locale, else another of its language, else the
// engine's own default.
void chooseLanguage(QTextToSpeech& engine, const QLocale& wanted) {
    const QList<QLocale> offered = engine.availableLocales();
    auto chosen = std::find(offered.cbegin(), offered.cend(), wanted);
    if (chosen == offered.cend())
        chosen = std::find_if(offered.cbegin(), offered.cend(), [&wanted](const QLocale& locale) {
            return locale.language() == wanted.language();
        });
    if (chosen != offered.cend() && wanted.language() != QLocale::C)
        engine.setLocale(*chosen);
}

Voice::State stateOf(QTextToSpeech::State state) {
    switch (state) {
    case QTextToSpeech::Ready:
        return Voice::State::Ready;
    case QTextToSpeech::Speaking:
    case QTextToSpeech::Paused:
        return Voice::State::Speaking;
    case QTextToSpeech::Error:
        break;
    }
    return Voice::State::Silent;
}

} // namespace

EngineVoice::EngineVoice() = default;

// speech-dispatcher would finish the word for a client that has gone.
EngineVoice::~EngineVoice() {
    if (engine_)
        engine_->stop();
}

void EngineVoice::open(const QStringList& engines, const QLocale& locale,
                       std::function<void(State)> changed) {
    for (const QString& name : engines) {
        engine_ = openEngine(name, Patience);
        if (engine_)
            break;
    }
    if (!engine_) {
        changed(State::Silent);
        return;
    }
    chooseLanguage(*engine_, locale);
    connect(engine_.get(), &QTextToSpeech::stateChanged, this,
            [changed](QTextToSpeech::State state) { changed(stateOf(state)); });
    changed(stateOf(engine_->state()));
}

void EngineVoice::say(const QString& text) {
    if (!engine_)
        return;
    if (text.isEmpty())
        engine_->stop();
    else
        engine_->say(text);
}

QString EngineVoice::engine() const {
    return engine_ ? engine_->engine() : QString();
}
