#include "Placement.h"

#include <QWidget>

#include <algorithm>
#include <array>

namespace {

// Moves `place` the least that puts it on `screen`, its top-left corner first where it cannot fit.
QRect onScreen(QRect place, const QRect& screen) {
    place.moveRight(std::min(place.right(), screen.right()));
    place.moveBottom(std::min(place.bottom(), screen.bottom()));
    place.moveLeft(std::max(place.left(), screen.left()));
    place.moveTop(std::max(place.top(), screen.top()));
    return place;
}

} // namespace

QRect placeBeside(const QSize& frame, const QRect& keepClear, const QRect& screen,
                  const QSize& smallest) {
    const int gap = 8;
    // The screen on each side of `keepClear`, the gap left out.
    const std::array<QRect, 4> rooms{
        QRect(QPoint(keepClear.right() + 1 + gap, screen.top()), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(keepClear.left() - 1 - gap, screen.bottom())),
        QRect(QPoint(screen.left(), keepClear.bottom() + 1 + gap), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(screen.right(), keepClear.top() - 1 - gap))};
    // Lined up with `keepClear`, moved the least that puts it into the room on that side.
    const auto linedUp = [&](std::size_t side, const QSize& size) {
        return onScreen(QRect(keepClear.topLeft(), size), rooms[side]);
    };
    for (const QSize& size : {frame, frame.boundedTo(smallest)}) {
        for (std::size_t side = 0; side < rooms.size(); ++side) {
            const QSize fitting = frame.boundedTo(rooms[side].size());
            if (fitting.expandedTo(size) == fitting)
                return linedUp(side, fitting);
        }
    }
    const auto area = [](const QRect& room) {
        return std::max(room.width(), 0) * std::max(room.height(), 0);
    };
    const auto most =
        std::max_element(rooms.begin(), rooms.end(),
                         [&](const QRect& a, const QRect& b) { return area(a) < area(b); });
    return onScreen(QRect(linedUp(std::size_t(most - rooms.begin()), frame).topLeft(), frame),
                    screen);
}

QMargins frameMargins(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}
