#pragma once

#include <QObject>
#include <QString>

// Watches, through an event filter on the application, for the first paint of a top-level
// window: the moment the first paint event reaches the window, and the moment that whole paint
// (the window, every control in it, and the flush to the screen) is done.
class FirstPaintWatcher : public QObject {
    Q_OBJECT

public:
    // Watches the window whose object name is `windowName`, or the first window painted at all
    // when it is empty.
    explicit FirstPaintWatcher(QObject* parent, QString windowName = QString());
    ~FirstPaintWatcher() override;

    bool painted() const { return frameDone_ != 0; }
    // Monotonic nanoseconds (see MonotonicClock.h); 0 until then.
    qint64 paintStarted() const { return paintStarted_; }
    qint64 frameDone() const { return frameDone_; }

signals:
    void framePainted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void customEvent(QEvent* event) override;

private:
    QString windowName_;
    qint64 paintStarted_ = 0;
    qint64 frameDone_ = 0;
};
