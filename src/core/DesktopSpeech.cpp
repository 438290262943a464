#include "DesktopSpeech.h"

#include "SpeechThread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEvent>

namespace {
// The voice stops as it goes, which takes at most one round trip to the speech service.
constexpr int EndingMs = 1000;
} // namespace

DesktopSpeech::DesktopSpeech(const QString& modulePath, const QStringList& engines,
                             const QLocale& locale)
    : modulePath_(modulePath)
    , engines_(engines)
    , locale_(locale) {}

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
        QCoreApplication::instance()->removeEventFilter(this);
        // Queued, so that this paint and the window's flush to the screen come first.
        QMetaObject::invokeMethod(this, &DesktopSpeech::start, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void DesktopSpeech::start() {
    if (stage_ != Stage::WaitingForPaint)
        return;
    stage_ = Stage::Opening;
    loaded_ = true;
    thread_ = std::make_unique<SpeechThread>(modulePath_, engines_, locale_);
    connect(thread_.get(), &SpeechThread::stateChanged, this, &DesktopSpeech::stateChanged);
    connect(thread_.get(), &SpeechThread::opened, this, &DesktopSpeech::opened);
    thread_->start();
}

void DesktopSpeech::opened(QObject* voice) {
    if (stage_ != Stage::Opening)
        return;
    stage_ = Stage::Open;
    voiceObject_ = voice;
    voice_ = qobject_cast<Voice*>(voice);
    if (!waiting_.isEmpty())
        pass(waiting_);
    waiting_.clear();
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
    voice_ = nullptr;
    voiceObject_ = nullptr;
    if (!thread_)
        return;
    thread_->disconnect(this);
    thread_->quit();
    if (thread_->wait(QDeadlineTimer(EndingMs)))
        thread_.reset();
    else
        static_cast<void>(thread_.release());
}

QString installedSpeechModule() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' +
                           QStringLiteral(TOVRIN_SPEECH_FROM_PROGRAM));
}
