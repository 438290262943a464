#pragma once

#include "Voice.h"

#include <QLocale>
#include <QString>
#include <QThread>

// A thread that speech runs on. It loads the speech module and opens a voice on one engine, which
// may take seconds, then says what it is given until it is told to quit; the windows never wait
// for it.
class SpeechThread : public QThread {
    Q_OBJECT

public:
    SpeechThread(const QString& modulePath, const QString& engine, const QLocale& locale);

signals:
    // The voice is open, or cannot be (null): calls to it are made through `voice`, which lives on
    // this thread.
    void opened(QObject* voice);
    void stateChanged(Voice::State state);

protected:
    void run() override;

private:
    const QString modulePath_;
    const QString engine_;
    const QLocale locale_;
};
