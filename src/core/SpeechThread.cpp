#include "SpeechThread.h"

#include <QPluginLoader>

SpeechThread::SpeechThread(const QString& modulePath, const QStringList& engines,
                           const QLocale& locale)
    : modulePath_(modulePath)
    , engines_(engines)
    , locale_(locale) {}

void SpeechThread::run() {
    QPluginLoader module(modulePath_);
    QObject* const object = module.instance();
    auto* const voice = qobject_cast<Voice*>(object);
    if (voice)
        voice->open(engines_, locale_, [this](Voice::State state) { emit stateChanged(state); });
    else
        emit stateChanged(Voice::State::Silent);
    emit opened(voice ? object : nullptr);
    exec();
    // The voice goes here, on its own thread, and stops speaking as it goes.
    if (object)
        module.unload();
}
