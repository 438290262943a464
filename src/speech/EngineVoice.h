#pragma once

#include "core/Voice.h"

#include <QObject>

#include <memory>

class QTextToSpeech;

// The speech module's voice: one of Qt's text-to-speech engines. The module is a plugin whose one
// object is this voice.
class EngineVoice : public QObject, public Voice {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TOVRIN_VOICE_IID)
    Q_INTERFACES(Voice)

public:
    EngineVoice();
    ~EngineVoice() override;

    void open(const QStringList& engines, const QLocale& locale,
              std::function<void(State)> changed) override;
    void say(const QString& text) override;
    QString engine() const override;

private:
    std::unique_ptr<QTextToSpeech> engine_;
};
