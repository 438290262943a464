#include "DesktopSpeech.h"

#include "SpeechThread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEvent>

namespace {
// Long enough for speech-dispatcher to be started for the session (2 s on an idle 2-core machine,
// 4 s on a busy one); a service that never answers delays only the first word, said by the next
// engine.
constexpr int PatienceMs = 8000;
// The voice stops as it goes, which takes at most one round trip to the speech service.
constexpr int EndingMs = 1000;
} // namespace

DesktopSpeech::DesktopSpeech(const QString& modulePath, const QStringList& engines,
                             const QLocale& locale)
    : modulePath_(modulePath)
    , engines_(engines)
    , locale_(locale) {
    patience_.setSingleShot(true);
    patience_.setInterval(PatienceMs);
    connect(&patience_, &QTimer::timeout, this, &DesktopSpeech::passOver);
}

DesktopSpeech::~DesktopSpeech() {
    end();
}

void DesktopSpeech::say(const QString& text) {
    switch (stage_) {
    case Stage::Idle:
        if (text.isEmpty())
            return;
        stage_ = Stage::WaitingForPaint;
        QCoreApplication::instance()->installEventFilter(this);
        [[fallthrough]];
    case Stage::WaitingForPaint:
    case Stage::Opening:
        waiting_ = text;
        return;
    case Stage::Open:
        pass(text);
        return;
    case Stage::Ended:
        return;
    }
}

bool DesktopSpeech::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && stage_ == Stage::WaitingForPaint) {
        stage_ = Stage::Opening;
        QCoreApplication::instance()->removeEventFilter(this);
        // Queued, so that this paint and the window's flush to the screen come first.
        QMetaObject::invokeMethod(this, &DesktopSpeech::tryNextEngine, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void DesktopSpeech::tryNextEngine() {
    if (stage_ != Stage::Opening)
        return;
    if (tried_ == engines_.size()) {
        stage_ = Stage::Open;
        emit stateChanged(Voice::State::Silent);
        return;
    }
    thread_ = new SpeechThread(modulePath_, engines_.at(tried_++), locale_);
    connect(thread_, &SpeechThread::finished, thread_, &QObject::deleteLater);
    connect(thread_, &SpeechThread::stateChanged, this, &DesktopSpeech::stateChanged);
    connect(thread_, &SpeechThread::opened, this, &DesktopSpeech::opened);
    thread_->start();
    patience_.start();
}

void DesktopSpeech::opened(QObject* voice) {
    if (stage_ != Stage::Opening || sender() != thread_)
        return;
    patience_.stop();
    if (!voice) {
        thread_ = nullptr;
        tryNextEngine();
        return;
    }
    stage_ = Stage::Open;
    voiceObject_ = voice;
    voice_ = qobject_cast<Voice*>(voice);
    if (!waiting_.isEmpty())
        pass(waiting_);
    waiting_.clear();
}

void DesktopSpeech::passOver() {
    thread_->disconnect(this);
    thread_->quit();
    thread_ = nullptr;
    tryNextEngine();
}

void DesktopSpeech::pass(const QString& text) {
    if (!voice_)
        return;
    Voice* const voice = voice_;
    QMetaObject::invokeMethod(
        voiceObject_, [voice, text] { voice->say(text); }, Qt::QueuedConnection);
}

void DesktopSpeech::end() {
    if (stage_ == Stage::WaitingForPaint)
        QCoreApplication::instance()->removeEventFilter(this);
    stage_ = Stage::Ended;
    patience_.stop();
    voice_ = nullptr;
    voiceObject_ = nullptr;
    if (!thread_)
        return;
    thread_->disconnect(this);
    thread_->quit();
    // A thread still opening an engine is left to the end of the process.
    if (thread_->wait(QDeadlineTimer(EndingMs)))
        delete thread_;
    thread_ = nullptr;
}

QString installedSpeechModule() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' +
                           QStringLiteral(TOVRIN_SPEECH_FROM_PROGRAM));
}
