// Linked into a start-up program of the benchmark: the process ends as soon as its first window
// has painted, so that timing the whole run (hyperfine) times the start-up, and the peak memory of
// the run (/usr/bin/time) is the peak up to that moment.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {

class FirstPaintExit : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            // The window paints its controls and flushes them to the screen within this event;
            // a zero timer started now runs once all of that is done, and before any timer the
            // window itself starts while painting.
            QTimer::singleShot(0, [] { std::_Exit(EXIT_SUCCESS); });
        return false;
    }
};

void exitAtFirstPaint() {
    QCoreApplication::instance()->installEventFilter(new FirstPaintExit);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(exitAtFirstPaint)
