#include "EngineVoice.h"

#include <QTextToSpeech>

#include <algorithm>

namespace {

// The engine's voice for `wanted`: that very locale, else another of its language, else the
// engine's own default.
void chooseLanguage(QTextToSpeech& engine, const QLocale& wanted) {
    if (wanted.language() == QLocale::C)
        return;
    const QList<QLocale> offered = engine.availableLocales();
    auto chosen = std::find(offered.cbegin(), offered.cend(), wanted);
    if (chosen == offered.cend())
        chosen = std::find_if(offered.cbegin(), offered.cend(), [&wanted](const QLocale& locale) {
            return locale.language() == wanted.language();
        });
    if (chosen != offered.cend())
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

extern "C" Q_DECL_EXPORT QObject* tovrinMakeVoice() {
    return new EngineVoice;
}

EngineVoice::EngineVoice() = default;

// speech-dispatcher would finish the word for a client that has gone.
EngineVoice::~EngineVoice() {
    if (engine_)
        engine_->stop();
}

bool EngineVoice::open(const QString& engine, const QLocale& locale,
                       std::function<void(State)> changed) {
    auto opened = std::make_unique<QTextToSpeech>(engine);
    if (opened->state() == QTextToSpeech::Error)
        return false;
    chooseLanguage(*opened, locale);
    connect(opened.get(), &QTextToSpeech::stateChanged, this,
            [changed](QTextToSpeech::State state) { changed(stateOf(state)); });
    engine_ = std::move(opened);
    changed(stateOf(engine_->state()));
    return true;
}

void EngineVoice::say(const QString& text) {
    if (!engine_)
        return;
    if (text.isEmpty())
        engine_->stop();
    else
        engine_->say(text);
}
