#pragma once

#include "Voice.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QThread>

// The thread that speech runs on. It loads the speech module and opens its voice, which may take
// seconds, then says what it is given until it is told to quit; the windows never wait for it.
class SpeechThread : public QThread {
    Q_OBJECT

public:
    SpeechThread(const QString& modulePath, const QStringList& engines, const QLocale& locale);

signals:
    // The voice is open, or there is none (null): calls to it are made through `voice`, which
    // lives on this thread.
    void opened(QObject* voice);
    void stateChanged(Voice::State state);

protected:
    void run() override;

private:
    const QString modulePath_;
    const QStringList engines_;
    const QLocale locale_;
};
