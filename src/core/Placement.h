#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window whose frame is `frame` large goes so that it covers nothing of `keepClear`: beside
// it on the right, else on the left, else below, else above, lined up with it and wholly on
// `screen`. A window that may be made smaller, down to `smallest`, is made so where no side has
// room for its whole frame. Where no side has room even then, it goes to the side with the most
// room, still on the screen. Returns the frame's place on the screen.
QRect placeBeside(const QSize& frame, const QRect& keepClear, const QRect& screen,
                  const QSize& smallest);

// The frame that the window manager draws around the window `window`: none until it is first
// shown. A window about to open takes the frame of one already open as its own.
QMargins frameMargins(const QWidget& window);
