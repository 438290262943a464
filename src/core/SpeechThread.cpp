#include "SpeechThread.h"

#include <QLibrary>

#include <memory>

SpeechThread::SpeechThread(const QString& modulePath, const QString& engine, const QLocale& locale)
    : modulePath_(modulePath)
    , engine_(engine)
    , locale_(locale) {}

void SpeechThread::run() {
    QLibrary module(modulePath_);
    const auto makeVoice = reinterpret_cast<MakeVoice>(module.resolve(MakeVoiceName));
    const std::unique_ptr<QObject> object(makeVoice ? makeVoice() : nullptr);
    auto* const voice = qobject_cast<Voice*>(object.get());
    const bool open = voice && voice->open(engine_, locale_, [this](Voice::State state) {
        emit stateChanged(state);
    });
    emit opened(open ? object.get() : nullptr);
    if (open)
        exec();
    // The voice goes here, on its own thread, and stops speaking as it goes.
}
