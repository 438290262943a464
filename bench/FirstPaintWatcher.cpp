#include "FirstPaintWatcher.h"

#include "MonotonicClock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

FirstPaintWatcher::FirstPaintWatcher(QObject* parent, QString windowName)
    : QObject(parent)
    , windowName_(std::move(windowName)) {
    QCoreApplication::instance()->installEventFilter(this);
}

FirstPaintWatcher::~FirstPaintWatcher() {
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

bool FirstPaintWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (paintStarted_ == 0 && event->type() == QEvent::Paint && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && (windowName_.isEmpty() || widget->objectName() == windowName_)) {
            paintStarted_ = monotonicNanoseconds();
            // The window paints its controls and flushes the result within the event that
            // delivers this paint; an event posted now arrives once all of that is done.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        }
    }
    return false;
}

void FirstPaintWatcher::customEvent(QEvent* event) {
    if (event->type() != QEvent::User || frameDone_ != 0)
        return;
    frameDone_ = monotonicNanoseconds();
    emit framePainted();
}
