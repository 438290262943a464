#pragma once

#include "Voice.h"

#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class SpeechThread;

// Speech on a real desktop. Nothing of it is loaded while the program starts: the speech module
// and the libraries it brings are loaded on a thread of their own once a word is to be said and a
// window has painted after that, so that the window on show is never held up. The engines are
// tried in turn, each on a thread of its own: one that does not start is passed over, and so is
// one that has not answered in time, left to itself. Words asked for meanwhile wait, the last one
// only.
class DesktopSpeech : public QObject {
    Q_OBJECT

public:
    // `engines` are tried in this order; the voice speaks `locale`'s language where it can.
    DesktopSpeech(const QString& modulePath, const QStringList& engines, const QLocale& locale);
    ~DesktopSpeech() override;

    // As Platform::say.
    void say(const QString& text);
    // Whether the speech libraries have been loaded into the process.
    bool loaded() const { return tried_ > 0; }
    // Cuts off what is being said and ends the speech thread, waiting a moment for it at most.
    // Nothing is said after this.
    void end();

signals:
    void stateChanged(Voice::State state);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Stage { Idle, WaitingForPaint, Opening, Open, Ended };

    void tryNextEngine();
    void opened(QObject* voice);
    // Leaves the engine being opened to itself and tries the next.
    void passOver();
    void pass(const QString& text);

    const QString modulePath_;
    const QStringList engines_;
    const QLocale locale_;
    Stage stage_ = Stage::Idle;
    // How many engines have been tried.
    qsizetype tried_ = 0;
    SpeechThread* thread_ = nullptr;
    QTimer patience_;
    // The voice, on the speech thread, once it is open; null where there is none.
    QObject* voiceObject_ = nullptr;
    Voice* voice_ = nullptr;
    // The last word asked for before the voice was open.
    QString waiting_;
};

// The speech module installed with the program. It is found from the program's own folder, so a
// moved installation finds its own.
QString installedSpeechModule();
