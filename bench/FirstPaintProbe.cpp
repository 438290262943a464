// Linked into a start-up program: as soon as the application object exists it watches for the
// first window's first paint. Once that paint is done it writes both moments, in monotonic
// nanoseconds, to standard output as "first-paint N frame-done N" and ends the process at once;
// the benchmark that started it needs nothing more, and its peak memory is taken at that exit.

#include "FirstPaintWatcher.h"

#include <QByteArray>
#include <QCoreApplication>

#include <cstdlib>
#include <unistd.h>

namespace {

void reportFirstPaint() {
    auto* watcher = new FirstPaintWatcher(QCoreApplication::instance());
    QObject::connect(watcher, &FirstPaintWatcher::framePainted, [watcher] {
        const QByteArray line = "first-paint " + QByteArray::number(watcher->paintStarted()) +
                                " frame-done " + QByteArray::number(watcher->frameDone()) + '\n';
        const bool written =
            ::write(STDOUT_FILENO, line.constData(), size_t(line.size())) == ssize_t(line.size());
        std::_Exit(written ? EXIT_SUCCESS : EXIT_FAILURE);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(reportFirstPaint)
