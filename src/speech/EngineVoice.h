#pragma once

#include "core/Voice.h"

#include <QObject>

#include <memory>

class QTextToSpeech;

// The speech module's voice: one of Qt's text-to-speech engines.
class EngineVoice : public QObject, public Voice {
    Q_OBJECT
    Q_INTERFACES(Voice)

public:
    EngineVoice();
    ~EngineVoice() override;

    bool open(const QString& engine, const QLocale& locale,
              std::function<void(State)> changed) override;
    void say(const QString& text) override;

private:
    std::unique_ptr<QTextToSpeech> engine_;
};
