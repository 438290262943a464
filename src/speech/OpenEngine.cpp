#include "OpenEngine.h"

#include <QTextToSpeech>
#include <QThread>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// What the opening thread and the thread waiting for it share.
struct Attempt {
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;
    bool givenUp = false;
    QTextToSpeech* engine = nullptr;
};

} // namespace

std::unique_ptr<QTextToSpeech> openEngine(const QString& name,
                                          std::chrono::milliseconds patience) {
    auto attempt = std::make_shared<Attempt>();
    QThread* const caller = QThread::currentThread();
    std::thread([attempt, name, caller] {
        auto engine = std::make_unique<QTextToSpeech>(name);
        const bool started = engine->state() != QTextToSpeech::Error;
        const std::lock_guard lock(attempt->mutex);
        if (started && !attempt->givenUp) {
            engine->moveToThread(caller);
            attempt->engine = engine.release();
        }
        attempt->done = true;
        attempt->answered.notify_one();
    }).detach();

    std::unique_lock lock(attempt->mutex);
    if (!attempt->answered.wait_for(lock, patience, [&attempt] { return attempt->done; })) {
        attempt->givenUp = true;
        return nullptr;
    }
    return std::unique_ptr<QTextToSpeech>(attempt->engine);
}
